// The DDNS Server page.
#include "pages/network/CDDNSDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "text/TextIds.h"

namespace {

// The providers, whose position is the stored index; their domain names read the same in
// every language. Choosing one leaves the server as it is.
constexpr const char16_t* kProviders[] = {
    u"dyndns.org", u"no-ip.com", u"changeip.com", u"dynu.com", u"freedns.afraid.org",
};

}  // namespace

CDDNSDlg::CDDNSDlg()
    : RecordPage(IDD_DDNS, text::kTextDdnsServer, records::RecordId::Ddns,
                 pages::Build::FromZeros) {}

void CDDNSDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_DDNS_TYPE_LABEL, text::kTextDdnsType},
                                  {IDC_DDNS_SERVER_LABEL, text::kTextServer},
                                  {IDC_DDNS_USER_LABEL, text::kTextUser},
                                  {IDC_DDNS_PASSWORD_LABEL, text::kTextPassword},
                                  {IDC_DDNS_DOMAIN_LABEL, text::kTextDomainName},
                                  {IDC_DDNS_USED, text::kTextUsed},
                              });
    ui::ComboBox providers = GetComboBox(IDC_DDNS_TYPE);
    for (const char16_t* provider : kProviders)
        providers.AddString(provider);
    for (pages::TextField* field : {&server_, &user_, &password_, &domain_})
        field->Attach(*this);
}

void CDDNSDlg::Load(const device::DdnsRecord& ddns) {
    // An index no entry has (0xFF among them) selects nothing.
    GetComboBox(IDC_DDNS_TYPE).SelectIndex(ddns.provider);
    server_.Load(ddns.server);
    user_.Load(ddns.user);
    password_.Load(ddns.password);
    domain_.Load(ddns.domain);
    used_ = ddns.used != 0;
}

void CDDNSDlg::Store(device::DdnsRecord& ddns) {
    // The record is built from zeros; the list without a selection keeps the cached index.
    ddns.used = used_ ? 1 : 0;
    ddns.provider =
        std::uint8_t(GetComboBox(IDC_DDNS_TYPE).Selection().value_or(CachedRecord().provider));
    server_.Store(ddns.server);
    user_.Store(ddns.user);
    password_.Store(ddns.password);
    domain_.Store(ddns.domain);
}

void CDDNSDlg::DoDataExchange(ui::DataExchange& dx) {
    server_.Exchange(dx);
    user_.Exchange(dx);
    password_.Exchange(dx);
    domain_.Exchange(dx);
    dx.Check(IDC_DDNS_USED, used_);
}
