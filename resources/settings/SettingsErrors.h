#pragma once
// The errors the settings store and the bags raise. Each what() is the exact
// text the user sees, so callers show it as it stands.

#include <stdexcept>
#include <string>

// Common base, so a window can catch every settings failure in one place.
class ESettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Misuse of a settings bag ("No item specified", "No INI file specified", ...).
class EBagError : public ESettingsError {
public:
    using ESettingsError::ESettingsError;
};

// A stored field that must be a number and is not.
class EConvertError : public ESettingsError {
public:
    explicit EConvertError(const std::string& text)
        : ESettingsError("'" + text + "' is not a valid integer value") {}
};

// A settings file could not be replaced; the old file is left as it was.
class EIniWriteError : public ESettingsError {
public:
    explicit EIniWriteError(const std::string& fileName) : ESettingsError("Unable to write to " + fileName) {}
};
