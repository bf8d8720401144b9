// The configuration window.
#include "ui/CMainDlg.h"

#include <algorithm>

#include "app/Session.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Font.h"
#include "ui/Styles.h"
#include "ui/Texts.h"

namespace {

// Images of the tree, in the order they are added to the image list.
enum TreeImage {
    kImageRoot,
    kImageInformation,
    kImageSetting,
    kImageAdvanced,
    kImagePage,
    kImageForbiddenPage,
    kImageForbiddenInformation,
};

constexpr int kTreeBitmaps[] = {IDB_MONITOR,        IDB_SHEET,  IDB_TOOLS,
                                IDB_GEARS,          IDB_FOLDER, IDB_FOLDER_FORBIDDEN,
                                IDB_SHEET_FORBIDDEN};

// The captions guarded by a right, in the order they are compared.
constexpr struct {
    std::uint32_t text;
    int right;
} kGuardedCaptions[] = {
    {text::kTextSystemInformation, app::kRightSystemInformation},
    {text::kTextGeneral, app::kRightGeneral},
    {text::kTextEncode, app::kRightEncode},
    {text::kTextSchedule, app::kRightSchedule},
    {text::kTextRs232, app::kRightSerial},
    {text::kTextNetwork, app::kRightNetwork},
    {text::kTextAlarm, app::kRightAlarm},
    {text::kTextDetect, app::kRightDetect},
    {text::kTextPanTiltZoom, app::kRightPtz},
    {text::kTextDisplay, app::kRightDisplay},
};

// Made once per loaded library.
std::unique_ptr<ui::Font> mainFont;

bool Granted(int right) {
    return app::UserRights[right] != 0;
}

}  // namespace

void ResetMainDialogFontForTests() {
    mainFont.reset();
}

CMainDlg::CMainDlg() : Dialog(IDD_MAIN) {}

CMainDlg::~CMainDlg() = default;

bool CMainDlg::RightsCheck(std::u16string_view caption) {
    for (const auto& guarded : kGuardedCaptions) {
        if (caption == ui::Text(guarded.text))
            return Granted(guarded.right);
    }
    return true;
}

bool CMainDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    SetWindowText(ui::Text(text::kTextConfig));

    if (!mainFont)
        mainFont = std::make_unique<ui::Font>(u"arial", 12);
    GetWindow().SetFont(mainFont->Handle(), true);

    images_ = std::make_unique<ui::ImageList>(17, 17, 5, 5);
    for (int bitmap : kTreeBitmaps)
        images_->AddBitmap(bitmap);
    GetTreeView(IDC_TREE).SetImageList(*images_);

    BuildTree();
    CreatePages();
    return true;
}

void CMainDlg::BuildTree() {
    ui::TreeView tree = GetTreeView(IDC_TREE);
    auto add = [&tree](ui::TreeItem parent, std::uint32_t textId, int image) {
        return tree.InsertItem(parent, ui::Text(textId), image, image);
    };
    auto addPage = [&add](ui::TreeItem parent, std::uint32_t textId, int right) {
        return add(parent, textId, Granted(right) ? kImagePage : kImageForbiddenPage);
    };

    const ui::TreeItem root = add(ui::kTreeRoot, text::kTextControlPanel, kImageRoot);

    ui::TreeItem information;
    if (Granted(app::kRightSystemInformation)) {
        information = add(root, text::kTextSystemInformation, kImageInformation);
        add(information, text::kTextVersion, kImageInformation);
        add(information, text::kTextHddInfo, kImageInformation);
    } else {
        information = add(root, text::kTextSystemInformation, kImageForbiddenInformation);
    }

    const ui::TreeItem setting = add(root, text::kTextSettingGroup, kImageSetting);
    addPage(setting, text::kTextGeneral, app::kRightGeneral);
    addPage(setting, text::kTextEncode, app::kRightEncode);
    addPage(setting, text::kTextSchedule, app::kRightSchedule);
    addPage(setting, text::kTextRs232, app::kRightSerial);
    const ui::TreeItem network = addPage(setting, text::kTextNetwork, app::kRightNetwork);
    if (Granted(app::kRightNetwork)) {
        for (std::uint32_t child : {text::kTextAlarmCenter, text::kTextNtpServer, text::kTextPppoe,
                                    text::kTextDdnsServer, text::kTextEmail}) {
            add(network, child, kImagePage);
        }
    }
    addPage(setting, text::kTextAlarm, app::kRightAlarm);
    addPage(setting, text::kTextDetect, app::kRightDetect);
    addPage(setting, text::kTextPanTiltZoom, app::kRightPtz);
    addPage(setting, text::kTextDisplay, app::kRightDisplay);

    const ui::TreeItem advanced = add(root, text::kTextAdvanced, kImageAdvanced);
    add(advanced, text::kTextAbnormality, kImagePage);
    add(advanced, text::kTextAlarmOut, kImagePage);
    add(advanced, text::kTextManageRecord, kImagePage);

    for (ui::TreeItem item : {root, information, setting, advanced})
        tree.Expand(item);
}

void CMainDlg::CreatePages() {
    ui::PageDialog* const pages[] = {
        &version_,     &hddInfo_,     &log_,      &normal_,    &code_,     &rec_,      &serial_,
        &net_,         &alarmCenter_, &ntp_,      &pppoe_,     &ddns_,     &mail_,     &alarm_,
        &videoDetect_, &ptzSet_,      &videoOut_, &exception_, &recAdmin_, &alarmOut_,
    };
    // Pages that may be shown first, and the caption whose right decides it.
    const struct {
        const ui::Dialog* page;
        std::uint32_t guard;
    } firstCandidates[] = {
        {&version_, text::kTextSystemInformation},
        {&hddInfo_, text::kTextSystemInformation},
        {&normal_, text::kTextGeneral},
        {&code_, text::kTextEncode},
        {&rec_, text::kTextSchedule},
        {&serial_, text::kTextRs232},
        {&net_, text::kTextNetwork},
        {&alarm_, text::kTextAlarm},
        {&videoDetect_, text::kTextDetect},
        {&ptzSet_, text::kTextPanTiltZoom},
        {&videoOut_, text::kTextDisplay},
        {&exception_, text::kTextAbnormality},
    };

    const ui::Rect main = GetClientRect();
    const ui::Rect tree = GetWindow().ControlClientRect(IDC_TREE);
    const ui::Rect placement{tree.Width() + 5, 5, main.Width() - 5, main.Height() - 5};
    bool shown = false;
    for (ui::PageDialog* page : pages) {
        if (!page->Create(*this))
            continue;
        page->MoveWindow(placement, true);
        RegisterPage(*page);
        if (shown)
            continue;
        for (const auto& candidate : firstCandidates) {
            if (candidate.page == page && RightsCheck(ui::Text(candidate.guard))) {
                page->ShowWindow(true);
                shown = true;
            }
        }
    }
}

bool CMainDlg::RegisterPage(ui::Dialog& page) {
    if (pageCount_ >= kPageTableSize)
        return false;
    PageEntry& entry = pageTable_[pageCount_++];
    entry.page = &page;
    const std::u16string caption = page.GetWindowText();
    const std::size_t length = std::min<std::size_t>(caption.size(), kCaptionLength - 1);
    std::copy_n(caption.begin(), length, entry.caption);
    entry.caption[length] = u'\0';
    return true;
}

bool CMainDlg::OnNotify(int id, int code) {
    if (id == IDC_TREE && code == ui::kTvnSelChanged) {
        OnTreeSelectionChanged();
        return true;
    }
    return false;
}

void CMainDlg::OnTreeSelectionChanged() {
    ui::TreeView tree = GetTreeView(IDC_TREE);
    const std::u16string caption = tree.GetItemText(tree.GetSelectedItem());
    if (!RightsCheck(caption)) {
        MessageBox(ui::Text(text::kTextWithoutPermission), ui::Text(text::kTextInfo),
                   ui::kMbOk | ui::kMbIconExclamation);
        return;
    }
    const PageEntry* found = nullptr;
    for (int i = 0; i < pageCount_ && !found; ++i) {
        if (caption == pageTable_[i].caption)
            found = &pageTable_[i];
    }
    if (!found)
        return;
    for (int i = 0; i < pageCount_; ++i) {
        if (&pageTable_[i] != found)
            pageTable_[i].page->ShowWindow(false);
    }
    found->page->ShowWindow(true);
}

void CMainDlg::OnDestroy() {
    if (app::RebootIssued == 0)
        zelDispSaveMenu(app::DeviceHandle);
}
