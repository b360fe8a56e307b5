#include "engines/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

#include "base/group_key_file.h"
#include "base/number_text.h"
#include "engines/library_files.h"

namespace {

// One key of the group "Init": exactly one of the field pointers is set.
struct SettingKey {
    const char* key;
    int8_t Settings::*byteField = nullptr;  // written as a signed integer, read keeping the low 8 bits
    int32_t Settings::*longField = nullptr;
    QString Settings::*textField = nullptr;
    float Settings::*decimalField = nullptr;
    int capacity = 0;            // texts: characters kept
    double defaultNumber = 0.0;  // when the key is missing
    const char* defaultText = "";
};

// In the order the program writes them.
const SettingKey SettingKeys[] = {
    {.key = "NbrOfDesktop", .byteField = &Settings::NbrOfDesktop, .defaultNumber = 1},
    {.key = "xPosMain", .longField = &Settings::xPosMain, .defaultNumber = 100},
    {.key = "yPosMain", .longField = &Settings::yPosMain, .defaultNumber = 100},
    {.key = "xPosEdit", .longField = &Settings::xPosEdit, .defaultNumber = 100},
    {.key = "yPosEdit", .longField = &Settings::yPosEdit, .defaultNumber = 100},
    {.key = "MatTube", .textField = &Settings::MatTube, .capacity = 128, .defaultText = "Acier"},
    {.key = "EauCalcMode", .byteField = &Settings::EauCalcMode, .defaultNumber = 0},
    {.key = "TetaAller", .textField = &Settings::TetaAller, .capacity = 3, .defaultText = "90"},
    {.key = "TetaRetour", .textField = &Settings::TetaRetour, .capacity = 3, .defaultText = "70"},
    {.key = "AntigelP100", .textField = &Settings::AntigelP100, .capacity = 2, .defaultText = "30"},
    {.key = "SurpP100", .textField = &Settings::SurpP100, .capacity = 2, .defaultText = "20"},
    {.key = "CircRect", .byteField = &Settings::CircRect, .defaultNumber = 0},
    {.key = "AirCalcMode", .byteField = &Settings::AirCalcMode, .defaultNumber = 0},
    {.key = "FillType", .byteField = &Settings::FillType, .defaultNumber = 0},
    {.key = "Pente", .byteField = &Settings::Pente, .defaultNumber = 4},
    {.key = "EvacType", .textField = &Settings::EvacType, .capacity = 128, .defaultText = "PVC"},
    {.key = "ConformDTU", .byteField = &Settings::ConformDTU, .defaultNumber = 1},
    {.key = "MatGaine", .textField = &Settings::MatGaine, .capacity = 16, .defaultText = "Galva."},
    {.key = "RugoGaine", .decimalField = &Settings::RugoGaine, .defaultNumber = 0.15},
    {.key = "AutreRugo", .decimalField = &Settings::AutreRugo, .defaultNumber = 0.001},
    {.key = "AlwaysOnTop", .byteField = &Settings::AlwaysOnTop, .defaultNumber = 1},
    {.key = "SavePos", .byteField = &Settings::SavePos, .defaultNumber = 1},
    {.key = "AntigelOnOff", .byteField = &Settings::AntigelOnOff, .defaultNumber = 1},
    {.key = "TxtCopyEauOnOff", .byteField = &Settings::TxtCopyEauOnOff, .defaultNumber = 1},
    {.key = "TxtCopyAirOnOff", .byteField = &Settings::TxtCopyAirOnOff, .defaultNumber = 1},
    {.key = "TextToCopyEau", .textField = &Settings::TextToCopyEau, .capacity = 128, .defaultText = "%d-%n.%c"},
    {.key = "TextToCopyAir", .textField = &Settings::TextToCopyAir, .capacity = 128, .defaultText = "%d-%c"},
    {.key = "AffMode", .byteField = &Settings::AffMode, .defaultNumber = 0},
    {.key = "SaveConfig", .byteField = &Settings::SaveConfig, .defaultNumber = 1},
    {.key = "Update", .byteField = &Settings::Update, .defaultNumber = 0},
    {.key = "UpdateAuto", .byteField = &Settings::UpdateAuto, .defaultNumber = 1},
    {.key = "LastUpdate", .longField = &Settings::LastUpdate, .defaultNumber = 1320932884},
};

// The order in which they are read.
const char* const ReadOrder[] = {
    "NbrOfDesktop", "xPosMain",   "yPosMain",    "xPosEdit",        "yPosEdit",        "MatTube",       "EauCalcMode",
    "TetaAller",    "TetaRetour", "AntigelP100", "SurpP100",        "CircRect",        "AirCalcMode",   "FillType",
    "Pente",        "EvacType",   "ConformDTU",  "MatGaine",        "RugoGaine",       "AutreRugo",     "AlwaysOnTop",
    "AntigelOnOff", "SavePos",    "SaveConfig",  "TxtCopyEauOnOff", "TxtCopyAirOnOff", "TextToCopyEau", "TextToCopyAir",
    "AffMode",      "Update",     "UpdateAuto",  "LastUpdate",
};

// What is kept when the user asked not to save the settings.
const char* const UpdateKeys[] = {"SaveConfig", "Update", "UpdateAuto", "LastUpdate"};

const QString ConfigFileName = QStringLiteral("Config.cfg");
const QString InitGroup = QStringLiteral("Init");

const SettingKey& KeyNamed(const char* name)
{
    for (const SettingKey& key : SettingKeys)
        if (qstrcmp(key.key, name) == 0)
            return key;
    Q_UNREACHABLE();
}

void ReadKey(const GroupKeyFile& file, const SettingKey& key, Settings& settings)
{
    const QString name = QString::fromLatin1(key.key);
    if (key.byteField)
        settings.*key.byteField = int8_t(uint8_t(ReadInteger(file, name, int64_t(key.defaultNumber)) & 0xFF));
    else if (key.longField)
        settings.*key.longField = int32_t(uint32_t(ReadInteger(file, name, int64_t(key.defaultNumber)) & 0xFFFFFFFF));
    else if (key.decimalField)
        settings.*key.decimalField = ReadDecimal(file, name, float(key.defaultNumber));
    else
        settings.*key.textField = CutText(ReadText(file, name, QString::fromUtf8(key.defaultText)), key.capacity);
}

// As the file would hold them: texts cut, a decimal's bits (NaN equals NaN).
bool SameValue(const SettingKey& key, const Settings& a, const Settings& b)
{
    if (key.byteField)
        return a.*key.byteField == b.*key.byteField;
    if (key.longField)
        return a.*key.longField == b.*key.longField;
    if (key.decimalField)
        return std::memcmp(&(a.*key.decimalField), &(b.*key.decimalField), sizeof(float)) == 0;
    return CutText(a.*key.textField, key.capacity) == CutText(b.*key.textField, key.capacity);
}

void WriteKey(GroupKeyFile& file, const SettingKey& key, const Settings& settings)
{
    const QString name = QString::fromLatin1(key.key);
    if (key.byteField)
        WriteInteger(file, name, settings.*key.byteField);
    else if (key.longField)
        WriteInteger(file, name, settings.*key.longField);
    else if (key.decimalField)
        WriteDecimal(file, name, settings.*key.decimalField);
    else
        WriteText(file, name, CutText(settings.*key.textField, key.capacity));
}

bool LoadConfiguration(const QString& path, Settings& settings, int monitorCount, Settings* asRead)
{
    GroupKeyFile file;
    if (!OpenGroupKeyFile(file, path))
        return false;
    SelectGroup(file, InitGroup);
    for (const char* name : ReadOrder)
        ReadKey(file, KeyNamed(name), settings);
    CloseGroupKeyFile(file);
    if (asRead)
        *asRead = settings;

    // Positions saved with another monitor layout may lie off screen.
    if (settings.NbrOfDesktop != monitorCount) {
        settings.xPosMain = settings.yPosMain = 100;
        settings.xPosEdit = settings.yPosEdit = 100;
    }
    return true;
}

}  // namespace

QString SettingsPath(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("Data/") + ConfigFileName;
}

bool LoadSettings(const QString& path, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries,
                  Settings& settings, int monitorCount, Settings* asRead)
{
    if (QFileInfo(path).fileName() != ConfigFileName)
        return LoadLibraryFile(path, waterLibraries, drainageLibraries);
    return LoadConfiguration(path, settings, monitorCount, asRead);
}

bool SaveSettings(const Settings& settings, int monitorCount, const QString& dataFolder, const Settings* asRead,
                  int* error)
{
    const QString path = SettingsPath(dataFolder);
    if (error)
        *error = 0;
    // The file's own error would only say that the folder is missing.
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            *error = errno;
        return false;
    }
    GroupKeyFile file;
    const bool existing = OpenGroupKeyFile(file, path);
    if (!existing)
        CreateGroupKeyFile(file, path);
    // Rewritten even when no key changed: a Latin-1 file becomes UTF-8.
    file.changed = true;
    SelectGroup(file, InitGroup);
    Settings written = settings;
    if (settings.SaveConfig == 1)
        written.NbrOfDesktop = int8_t(uint8_t(monitorCount & 0xFF));
    for (const SettingKey& key : SettingKeys) {
        const bool kept = settings.SaveConfig == 1
            || std::any_of(std::begin(UpdateKeys), std::end(UpdateKeys),
                           [&key](const char* name) { return qstrcmp(name, key.key) == 0; });
        if (kept && !(existing && asRead && SameValue(key, written, *asRead)))
            WriteKey(file, key, written);
    }
    return CloseGroupKeyFile(file, error);
}
