#include "QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <cstdio>

namespace {
QString path(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      "/Tarvelo/Tarvelo.conf") {}

QtSettingsStore::QtSettingsStore(const QString& file)
    : file_(file), settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

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

// QSettings writes through a temporary file that replaces the store whole, so a failed write
// leaves the old store as it was.
bool QtSettingsStore::update(const std::function<void()>& change) {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QLockFile lock(file_ + ".update.lock");  // QSettings holds "<file>.lock" itself while it syncs
    if (!lock.tryLock(2000)) {
        report(false);
        return false;
    }
    // A fresh QSettings rereads what other copies stored and starts with a clean status.
    settings_.reset();
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    settings_->sync();
    change();
    settings_->sync();
    const bool written = settings_->status() == QSettings::NoError;
    report(written);
    return written;
}

// One warning when writing starts to fail, not one for every save.
void QtSettingsStore::report(bool written) {
    if (!written && !failing_) {
        std::fprintf(stderr, "tarvelo: не удалось записать настройки в %s\n",
                     QDir::toNativeSeparators(file_).toLocal8Bit().constData());
    }
    failing_ = !written;
}
