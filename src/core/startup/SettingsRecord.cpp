#include "core/startup/SettingsRecord.h"
#include "core/TextUtil.h"

std::string ComposeSettingsRecord(const UserSettings& settings, std::string filler) {
    filler.resize(SettingsRecordLength, ' ');
    for (const SettingsField& field : SettingsFields) {
        const std::string& value = settings.*field.member;
        if (field.width == 1) {
            if (!value.empty())
                filler[field.position - 1] = value[0];
        } else {
            filler.replace(field.position - 1, field.width,
                           (value + std::string(field.width, ' ')).substr(0, field.width));
        }
    }
    return filler;
}

UserSettings ParseSettingsRecord(const std::string& record) {
    std::string padded = record;
    padded.resize(SettingsRecordLength, ' ');
    UserSettings settings;
    for (const SettingsField& field : SettingsFields) {
        const std::string value = padded.substr(field.position - 1, field.width);
        settings.*field.member = field.width == 1 ? value : Text::Trim(value);
    }
    return settings;
}

bool IsSoundSettingsRecord(const std::string& record) {
    if (record.size() != SettingsRecordLength)
        return false;
    for (const SettingsField& field : SettingsFields) {
        for (std::size_t i = 0; i < field.width; ++i) {
            const auto byte = static_cast<unsigned char>(record[field.position - 1 + i]);
            const bool control = byte < 0x20 || byte == 0x7F;
            if (control || (field.width == 1 && byte > 0x7E))
                return false;
        }
    }
    return true;
}

UserSettings DefaultSettings(const std::string& programFolder) {
    UserSettings settings;
    settings.DataRoot = programFolder + "Kestranedata";
    settings.SystemPathSetting = programFolder;
    return settings;
}
