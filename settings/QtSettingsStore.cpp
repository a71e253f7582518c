#include "QtSettingsStore.h"

namespace {
QString path(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QtSettingsStore::QtSettingsStore() : settings_(std::make_unique<QSettings>("Tarvelo", "Tarvelo")) {}

QtSettingsStore::QtSettingsStore(const QString& inifile)
    : settings_(std::make_unique<QSettings>(inifile, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStore::read(std::string_view section,
                                                 std::string_view key) const {
    const QVariant value = settings_->value(path(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A hand-edited value with commas comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(',').toStdString();
    }
    return value.toString().toStdString();
}

void QtSettingsStore::write(std::string_view section, std::string_view key, std::string_view text) {
    settings_->setValue(path(section, key),
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
