// Loading Ravelin.dll and resolving its entries.
#include "host/RavelinLibrary.h"

#include "host/WideText.h"

namespace host {
namespace {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    if (text)
        LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    const std::string code_text = "error " + std::to_string(code);
    return message.empty() ? code_text : Utf8FromWide(message) + ", " + code_text;
}

}  // namespace

RavelinLibrary::~RavelinLibrary() {
    if (module_)
        FreeLibrary(module_);
}

bool RavelinLibrary::Load(std::string& error) {
    const std::wstring path = ProgramFolder() + L"Ravelin.dll";
    module_ = LoadLibraryW(path.c_str());
    if (!module_) {
        error = "cannot load " + Utf8FromWide(path) + " (" + SystemMessage(GetLastError()) + ")";
        return false;
    }
    initConfig_ = reinterpret_cast<InitConfig>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, RAVELIN_INIT_CONFIG)));
    initConfigEx_ = reinterpret_cast<InitConfigEx>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, RAVELIN_INIT_CONFIG_EX)));
    exportConfig_ = reinterpret_cast<ExportConfig>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, RAVELIN_EXPORT_CONFIG)));
    importConfig_ = reinterpret_cast<ImportConfig>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, RAVELIN_IMPORT_CONFIG)));
    configMessage_ = reinterpret_cast<ConfigMessage>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, RAVELIN_CONFIG_MESSAGE)));
    const char* missing = !initConfig_      ? RAVELIN_INIT_CONFIG
                          : !initConfigEx_  ? RAVELIN_INIT_CONFIG_EX
                          : !exportConfig_  ? RAVELIN_EXPORT_CONFIG
                          : !importConfig_  ? RAVELIN_IMPORT_CONFIG
                          : !configMessage_ ? RAVELIN_CONFIG_MESSAGE
                                            : "";
    if (*missing) {
        error = Utf8FromWide(path) + " has no entry " + missing;
        return false;
    }
    return true;
}

}  // namespace host
