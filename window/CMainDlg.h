// The configuration window: the navigation tree on the left, one hosted page at a time on the
// right. It owns every page; one table of pages gives each page's caption, its place in the
// tree and the right that guards it, and the tree, the rights check, the registered pages and
// the first page shown all follow from it. Nodes of pages with edits not sent show in bold,
// and closing asks before such edits are lost. The recorder saves its settings when it closes,
// unless a restart was accepted or a failed import could not put back what it sent.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "pages/network/CAlarmCenterDlg.h"
#include "pages/alarms/CAlarmDlg.h"
#include "pages/alarms/CAlarmOutDlg.h"
#include "pages/recording/CCodeDlg.h"
#include "pages/network/CDDNSDlg.h"
#include "pages/alarms/CExceptionDlg.h"
#include "pages/information/CHddInfoDlg.h"
#include "pages/information/CLogDlg.h"
#include "pages/network/CMailDlg.h"
#include "pages/network/CNTPDlg.h"
#include "pages/network/CNetDlg.h"
#include "pages/system/CNormalDlg.h"
#include "pages/network/CPPPOEDlg.h"
#include "pages/ptz/CPTZSetDlg.h"
#include "pages/recording/CRecAdminDlg.h"
#include "pages/recording/CRecDlg.h"
#include "pages/system/CSerialDlg.h"
#include "pages/information/CVersionDlg.h"
#include "pages/alarms/CVideoDetectDlg.h"
#include "pages/display/CVideoOutDlg.h"
#include "window/PendingMarks.h"
#include "window/ConfigFileMenu.h"
#include "ui/Dialog.h"
#include "ui/ImageList.h"

class CMainDlg : public ui::Dialog {
  public:
    static constexpr int kPageTableSize = 32;
    static constexpr int kCaptionLength = 32;  // 31 characters and the terminator

    // A registered page and the caption it had when it was made.
    struct PageEntry {
        ui::Dialog* page = nullptr;  // null = free
        char16_t caption[kCaptionLength] = {};
    };

    // files: what the system menu's configuration-file commands use; null offers none.
    explicit CMainDlg(window::ConfigFiles* files = nullptr);
    ~CMainDlg() override;

    // The right that guards a tree node's caption; any other caption is allowed.
    bool RightsCheck(std::u16string_view caption);

    const PageEntry* PageTable() const { return pageTable_; }
    int PageCount() const { return pageCount_; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(int id, int code) override;
    bool OnSysCommand(int id) override;
    void OnDestroy() override;
    // Escape, the close box and Alt+F4; and Enter, which ends the window just as well.
    void OnCancel() override;
    void OnOK() override;

  private:
    // One hosted page, in the order the pages are made.
    struct PageRow {
        pages::PageDialog* page;
        std::uint32_t caption;  // the text the page's window and tree node carry
        std::uint32_t parent;   // caption of the node it hangs under; 0: no node in the tree
        int position;           // its place among the parent's children, from 1
        int right;              // the right guarding its node; -1 for none of its own
        bool mayOpenFirst;      // shown first when allowed and no page was shown before
    };
    std::vector<PageRow> Pages();

    void BuildTree();
    // Appends the nodes of the pages under parent, and below each allowed one its own.
    void AddPageNodes(ui::TreeItem item, std::uint32_t parent);
    void CreatePages();
    bool RegisterPage(ui::Dialog& page);
    // Called when the operator selects another tree node.
    void OnTreeSelectionChanged();
    // The settings pages as the system menu's import sees them.
    std::vector<window::ConfigFileMenu::Page> ImportPages();

    std::unique_ptr<ui::ImageList> images_;
    window::PendingMarks marks_;
    PageEntry pageTable_[kPageTableSize];
    int pageCount_ = 0;

    CVersionDlg version_;
    CHddInfoDlg hddInfo_;
    CLogDlg log_;
    CNormalDlg normal_;
    CCodeDlg code_;
    CRecDlg rec_;
    CSerialDlg serial_;
    CNetDlg net_;
    CAlarmCenterDlg alarmCenter_;
    CNTPDlg ntp_;
    CPPPOEDlg pppoe_;
    CDDNSDlg ddns_;
    CMailDlg mail_;
    CAlarmDlg alarm_;
    CVideoDetectDlg videoDetect_;
    CPTZSetDlg ptzSet_;
    CVideoOutDlg videoOut_;
    CExceptionDlg exception_;
    CRecAdminDlg recAdmin_;
    CAlarmOutDlg alarmOut_;

    window::ConfigFiles* files_;
    window::ConfigFileMenu fileMenu_;
};

// The main window's font lives as long as the library. For test builds only: release it.
void ResetMainDialogFontForTests();
