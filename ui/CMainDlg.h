// The configuration window: the navigation tree on the left, one hosted page at a time on the
// right. It owns every page, builds the tree by the operator's rights, finds the page of a
// tree node by its caption and makes the recorder save its settings when it closes.
#pragma once

#include <memory>
#include <string_view>

#include "pages/CAlarmCenterDlg.h"
#include "pages/CAlarmDlg.h"
#include "pages/CAlarmOutDlg.h"
#include "pages/CCodeDlg.h"
#include "pages/CDDNSDlg.h"
#include "pages/CExceptionDlg.h"
#include "pages/CHddInfoDlg.h"
#include "pages/CLogDlg.h"
#include "pages/CMailDlg.h"
#include "pages/CNTPDlg.h"
#include "pages/CNetDlg.h"
#include "pages/CNormalDlg.h"
#include "pages/CPPPOEDlg.h"
#include "pages/CPTZSetDlg.h"
#include "pages/CRecAdminDlg.h"
#include "pages/CRecDlg.h"
#include "pages/CSerialDlg.h"
#include "pages/CVersionDlg.h"
#include "pages/CVideoDetectDlg.h"
#include "pages/CVideoOutDlg.h"
#include "ui/Dialog.h"
#include "ui/ImageList.h"

class CMainDlg : public ui::Dialog {
  public:
    static constexpr int kPageTableSize = 32;
    static constexpr int kCaptionLength = 32;  // 31 characters and the terminator

    struct PageEntry {
        ui::Dialog* page = nullptr;  // null = free
        char16_t caption[kCaptionLength] = {};
    };

    CMainDlg();
    ~CMainDlg() override;

    // The right that guards a tree node's caption; any other caption is allowed.
    static bool RightsCheck(std::u16string_view caption);

    const PageEntry* PageTable() const { return pageTable_; }
    int PageCount() const { return pageCount_; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(int id, int code) override;
    void OnDestroy() override;

  private:
    void BuildTree();
    void CreatePages();
    bool RegisterPage(ui::Dialog& page);
    // Called when the operator selects another tree node.
    void OnTreeSelectionChanged();

    std::unique_ptr<ui::ImageList> images_;
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
};

// The main window's font lives as long as the library. For test builds only: release it.
void ResetMainDialogFontForTests();
