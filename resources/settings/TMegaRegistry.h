#pragma once
// The settings store: typed values by section and key, kept in an INI file
// or in the registry stand-in, as Preference chooses. The owner sets the four
// properties (each assignment closes the store) and then calls Open. Without
// a back end (before Open, after Close, or with an empty name property)
// reads return their defaults and writes do nothing.

#include <memory>
#include <string>

class IniFile;
class TWindowsRegistry;

enum class TMRPreference { mrpAuto, mrpIni, mrpRegistry };

class TMegaRegistry {
public:
    enum class Backend { None = 0, Ini = 1, Registry = 2 };

    TMegaRegistry();
    ~TMegaRegistry();
    TMegaRegistry(const TMegaRegistry&) = delete;  // owns its back end
    TMegaRegistry& operator=(const TMegaRegistry&) = delete;

    const std::string& App() const { return app_; }
    const std::string& Company() const { return company_; }
    const std::string& IniName() const { return iniName_; }
    TMRPreference Preference() const { return preference_; }
    void SetApp(const std::string& app);
    void SetCompany(const std::string& company);
    void SetIniName(const std::string& iniName);
    void SetPreference(TMRPreference preference);

    void Open();
    void Close();
    Backend ChosenBackend() const { return backend_; }

    // INI back end: 1023-character reads; integers are decimal, "$" hex or
    // "0x" hex, and text that is no number gives the default. Registry back
    // end: 255-character reads, and such text raises EConvertError.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;

    // Raise EIniWriteError when the file cannot be written.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    std::string app_, company_, iniName_;
    TMRPreference preference_ = TMRPreference::mrpAuto;
    Backend backend_ = Backend::None;
    std::unique_ptr<IniFile> ini_;
    std::unique_ptr<TWindowsRegistry> registry_;
};
