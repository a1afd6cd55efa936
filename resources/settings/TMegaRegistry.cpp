#include "TMegaRegistry.h"

#include "IniFile.h"
#include "IntText.h"
#include "TWindowsRegistry.h"

TMegaRegistry::TMegaRegistry() = default;

TMegaRegistry::~TMegaRegistry() { Close(); }

void TMegaRegistry::SetApp(const std::string& app) {
    Close();
    app_ = app;
}

void TMegaRegistry::SetCompany(const std::string& company) {
    Close();
    company_ = company;
}

void TMegaRegistry::SetIniName(const std::string& iniName) {
    Close();
    iniName_ = iniName;
}

void TMegaRegistry::SetPreference(TMRPreference preference) {
    Close();
    preference_ = preference;
}

void TMegaRegistry::Open() {
    Close();
    if (app_.empty() || company_.empty() || iniName_.empty()) return;
    // Automatic choice: the registry belongs to Windows; here the INI file it is.
    if (preference_ == TMRPreference::mrpRegistry) {
        registry_ = std::make_unique<TWindowsRegistry>(company_, app_);
        backend_ = Backend::Registry;
    } else {
        ini_ = std::make_unique<IniFile>(iniName_);
        backend_ = Backend::Ini;
    }
}

void TMegaRegistry::Close() {
    ini_.reset();
    registry_.reset();
    backend_ = Backend::None;
}

std::string TMegaRegistry::ReadString(const std::string& section, const std::string& key,
                                      const std::string& def) const {
    if (ini_) return ini_->ReadString(section, key, def);
    if (registry_) return registry_->ReadString(section, key, def);
    return def;
}

int TMegaRegistry::ReadInteger(const std::string& section, const std::string& key, int def) const {
    if (ini_) {
        const auto text = ini_->ReadValue(section, key);
        return text ? inttext::StrToIntDef(*text, def) : def;
    }
    if (registry_) return registry_->ReadInteger(section, key, def);
    return def;
}

bool TMegaRegistry::ReadBool(const std::string& section, const std::string& key, bool def) const {
    if (registry_) return registry_->ReadBool(section, key, def);
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TMegaRegistry::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (ini_) ini_->WriteString(section, key, value);
    if (registry_) registry_->WriteString(section, key, value);
}

void TMegaRegistry::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TMegaRegistry::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}
