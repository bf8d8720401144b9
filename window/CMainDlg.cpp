// The configuration window.
#include "window/CMainDlg.h"

#include <algorithm>

#include "records/Recorder.h"
#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Font.h"
#include "ui/Styles.h"

using pages::Text;

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

using records::kNoRight;
using records::RecordId;

// The right that guards a record, and with it the page that edits it.
int RightOf(RecordId id) {
    return records::Row(id).right;
}

// The group nodes under the root, which no page stands for; the information group is guarded
// by the right of the records its pages show.
struct Group {
    std::uint32_t caption;
    int image;
    int right;
    int forbiddenImage;
};
const Group kGroups[] = {
    {text::kTextSystemInformation, kImageInformation, RightOf(RecordId::Version),
     kImageForbiddenInformation},
    {text::kTextSettingGroup, kImageSetting, kNoRight, kImageSetting},
    {text::kTextAdvanced, kImageAdvanced, kNoRight, kImageAdvanced},
};

// Made once per loaded library.
std::unique_ptr<ui::Font> mainFont;

}  // namespace

void ResetMainDialogFontForTests() {
    mainFont.reset();
}

CMainDlg::CMainDlg(window::ConfigFiles* files)
    : Dialog(IDD_MAIN), marks_(*this, IDC_TREE), files_(files), fileMenu_(*this, marks_) {}

CMainDlg::~CMainDlg() = default;

std::vector<CMainDlg::PageRow> CMainDlg::Pages() {
    using namespace text;
    // Pages under a group or another page without a right of their own are guarded by the node
    // above them; the others by the right of the record they edit.
    return {
        {&version_, kTextVersion, kTextSystemInformation, 1, kNoRight, true},
        {&hddInfo_, kTextHddInfo, kTextSystemInformation, 2, kNoRight, true},
        {&log_, kTextLog, 0, 0, kNoRight, false},
        {&normal_, kTextGeneral, kTextSettingGroup, 1, RightOf(RecordId::Normal), true},
        {&code_, kTextEncode, kTextSettingGroup, 2, RightOf(RecordId::Code), true},
        {&rec_, kTextSchedule, kTextSettingGroup, 3, RightOf(RecordId::RecTimer), true},
        {&serial_, kTextRs232, kTextSettingGroup, 4, RightOf(RecordId::Serials), true},
        {&net_, kTextNetwork, kTextSettingGroup, 5, RightOf(RecordId::Net), true},
        {&alarmCenter_, kTextAlarmCenter, kTextNetwork, 1, kNoRight, false},
        {&ntp_, kTextNtpServer, kTextNetwork, 2, kNoRight, false},
        {&pppoe_, kTextPppoe, kTextNetwork, 3, kNoRight, false},
        {&ddns_, kTextDdnsServer, kTextNetwork, 4, kNoRight, false},
        {&mail_, kTextEmail, kTextNetwork, 5, kNoRight, false},
        {&alarm_, kTextAlarm, kTextSettingGroup, 6, RightOf(RecordId::AlarmIn), true},
        {&videoDetect_, kTextDetect, kTextSettingGroup, 7, RightOf(RecordId::VideoLost), true},
        {&ptzSet_, kTextPanTiltZoom, kTextSettingGroup, 8, RightOf(RecordId::Ptz), true},
        {&videoOut_, kTextDisplay, kTextSettingGroup, 9, RightOf(RecordId::VideoOut), true},
        {&exception_, kTextAbnormality, kTextAdvanced, 1, RightOf(RecordId::Event), true},
        {&recAdmin_, kTextManageRecord, kTextAdvanced, 3, RightOf(RecordId::RecAdmin), false},
        {&alarmOut_, kTextAlarmOut, kTextAdvanced, 2, RightOf(RecordId::AlarmOut), false},
    };
}

bool CMainDlg::RightsCheck(std::u16string_view caption) {
    for (const auto& group : kGroups) {
        if (group.right != kNoRight && caption == Text(group.caption))
            return records::Granted(group.right);
    }
    for (const PageRow& row : Pages()) {
        if (row.right != kNoRight && caption == Text(row.caption))
            return records::Granted(row.right);
    }
    return true;
}

bool CMainDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    SetWindowText(Text(text::kTextConfig));

    if (!mainFont)
        mainFont = std::make_unique<ui::Font>(u"arial", 12);
    GetWindow().SetFont(mainFont->Handle(), true);

    images_ = std::make_unique<ui::ImageList>(17, 17, 5, 5);
    for (int bitmap : kTreeBitmaps)
        images_->AddBitmap(bitmap);
    GetTreeView(IDC_TREE).SetImageList(*images_);

    BuildTree();
    CreatePages();
    fileMenu_.Install(files_, ImportPages());
    return true;
}

void CMainDlg::BuildTree() {
    ui::TreeView tree = GetTreeView(IDC_TREE);
    const ui::TreeItem root =
        tree.InsertItem(ui::kTreeRoot, Text(text::kTextControlPanel), kImageRoot, kImageRoot);
    std::vector<ui::TreeItem> expanded = {root};
    for (const auto& group : kGroups) {
        // A forbidden group shows no pages.
        const bool granted = records::Granted(group.right);
        const int image = granted ? group.image : group.forbiddenImage;
        const ui::TreeItem item = tree.InsertItem(root, Text(group.caption), image, image);
        if (granted)
            AddPageNodes(item, group.caption);
        expanded.push_back(item);
    }
    for (ui::TreeItem item : expanded)
        tree.Expand(item);
}

void CMainDlg::AddPageNodes(ui::TreeItem item, std::uint32_t parent) {
    std::vector<PageRow> children;
    for (const PageRow& row : Pages()) {
        if (row.parent == parent)
            children.push_back(row);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const PageRow& a, const PageRow& b) { return a.position < b.position; });
    ui::TreeView tree = GetTreeView(IDC_TREE);
    for (const PageRow& row : children) {
        // The pages of the information group carry its image; a forbidden page has no
        // children.
        const bool granted = records::Granted(row.right);
        const int image = parent == text::kTextSystemInformation ? kImageInformation
                          : granted                              ? kImagePage
                                                                 : kImageForbiddenPage;
        const ui::TreeItem node = tree.InsertItem(item, Text(row.caption), image, image);
        marks_.Track(*row.page, node);
        if (granted)
            AddPageNodes(node, row.caption);
    }
}

void CMainDlg::CreatePages() {
    const ui::Rect main = GetClientRect();
    const ui::Rect tree = GetWindow().ControlClientRect(IDC_TREE);
    const ui::Rect placement{tree.Width() + 5, 5, main.Width() - 5, main.Height() - 5};
    const std::vector<PageRow> rows = Pages();
    bool shown = false;
    for (const PageRow& row : rows) {
        if (!row.page->Create(*this))
            continue;
        row.page->MoveWindow(placement, true);
        RegisterPage(*row.page);
        if (shown || !row.mayOpenFirst)
            continue;
        // A page without a right of its own opens when its group's right allows it.
        std::uint32_t guard = row.caption;
        if (row.right == kNoRight) {
            for (const auto& group : kGroups) {
                if (group.caption == row.parent)
                    guard = group.caption;
            }
        }
        if (RightsCheck(Text(guard))) {
            row.page->ShowWindow(true);
            shown = true;
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
        MessageBox(Text(text::kTextWithoutPermission), Text(text::kTextInfo),
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
        if (&pageTable_[i] == found)
            continue;
        if (pageTable_[i].page->IsWindowVisible())
            marks_.Left(*pageTable_[i].page);
        pageTable_[i].page->ShowWindow(false);
    }
    found->page->ShowWindow(true);
}

void CMainDlg::OnCancel() {
    if (marks_.MayClose())
        Dialog::OnCancel();
}

void CMainDlg::OnOK() {
    if (marks_.MayClose())
        Dialog::OnOK();
}

bool CMainDlg::OnSysCommand(int id) {
    return fileMenu_.OnSysCommand(id);
}

std::vector<window::ConfigFileMenu::Page> CMainDlg::ImportPages() {
    std::vector<window::ConfigFileMenu::Page> pages;
    for (const PageRow& row : Pages()) {
        if (auto* page = dynamic_cast<pages::SettingsPage*>(row.page))
            pages.push_back({page, {}});
    }
    // The Display page's channel names and the presets and cruises of the PTZ page's dialogs.
    for (auto& page : pages) {
        if (page.page == &videoOut_)
            page.dialogRecords = {RecordId::ChanName};
        if (page.page == &ptzSet_)
            page.dialogRecords = {RecordId::PtzPoint, RecordId::PtzCruise};
    }
    return pages;
}

void CMainDlg::OnDestroy() {
    if (records::RebootIssued == 0 && !records::ImportNotPutBack)
        records::MakePermanent();
}
