// The Email page. Addresses are sent as typed; the record's last 16 bytes are sent as zeros.
#include "pages/network/CMailDlg.h"

#include <string>

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "text/TextIds.h"

CMailDlg::CMailDlg()
    : RecordPage(IDD_MAIL, text::kTextEmail, records::RecordId::Smtp, pages::Build::FromZeros) {}

void CMailDlg::SetUpControls() {
    // "SMTP" and the word for server, with no blank between them.
    SetDlgItemText(IDC_MAIL_SERVER_LABEL, u"SMTP" + std::u16string(pages::Text(text::kTextServer)));
    pages::SetCaptions(*this, {
                                  {IDC_MAIL_FROM_LABEL, text::kTextFrom},
                                  {IDC_MAIL_TO_LABEL, text::kTextTo},
                                  {IDC_MAIL_CC_LABEL, text::kTextCc},
                                  {IDC_MAIL_USER_LABEL, text::kTextUser},
                                  {IDC_MAIL_PASSWORD_LABEL, text::kTextPassword},
                              });
    for (pages::TextField* field : {&server_, &from_, &to_, &cc_, &user_, &password_})
        field->Attach(*this);
}

void CMailDlg::Load(const device::SmtpRecord& smtp) {
    server_.Load(smtp.server);
    from_.Load(smtp.from);
    to_.Load(smtp.to);
    cc_.Load(smtp.cc);
    user_.Load(smtp.user);
    password_.Load(smtp.password);
}

void CMailDlg::Store(device::SmtpRecord& smtp) {
    from_.Store(smtp.from);
    to_.Store(smtp.to);
    cc_.Store(smtp.cc);
    server_.Store(smtp.server);
    user_.Store(smtp.user);
    password_.Store(smtp.password);
}

void CMailDlg::DoDataExchange(ui::DataExchange& dx) {
    server_.Exchange(dx);
    from_.Exchange(dx);
    to_.Exchange(dx);
    cc_.Exchange(dx);
    user_.Exchange(dx);
    password_.Exchange(dx);
}
