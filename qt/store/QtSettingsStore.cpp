#include "QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "StoreRows.h"
#include "Texts.h"

namespace {
// The file system's own bytes for a name: a conversion through wide characters fails on any
// letter outside the C++ locale, and the default locale knows none but ASCII.
std::filesystem::path fspath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString path(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QString("/%1/%1.conf").arg(QString::fromUtf8(ui::kApplication))) {}

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
    if (!updating_) {
        update([&] { write(section, key, text); });
        return;
    }
    settings_->setValue(path(section, key),
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// QSettings keeps values it failed to write in a cache that every QSettings on the same file
// shares, and a later successful write would put them over what another copy stored since.
// So the store itself is only ever read: each update writes a draft under a name used once,
// and the draft replaces the store only when it is wholly written.
bool QtSettingsStore::update(const std::function<void()>& change) {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    // A holder that was killed is taken over at once, or, killed before it wrote its name into
    // the lock, after the stale time; an update takes milliseconds.
    QLockFile lock(file_ + ".update.lock");
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(2000)) {
        report(false);
        return false;
    }
    removeleftovers();
    const QString draft = QString("%1.update-%2-%3")
                              .arg(file_)
                              .arg(QCoreApplication::applicationPid())
                              .arg(++drafts_);
    if (!copystore(draft)) {
        QFile::remove(draft);
        report(false);
        return false;
    }
    settings_ = std::make_unique<QSettings>(draft, QSettings::IniFormat);
    updating_ = true;
    change();
    updating_ = false;
    settings_->sync();
    bool written = settings_->status() == QSettings::NoError && readsback(*settings_, draft);
    settings_.reset();
    std::error_code error;
    if (written) {
        std::filesystem::rename(fspath(draft), fspath(file_), error);
        written = !error;
    }
    if (!written) {
        QFile::remove(draft);
    }
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    report(written);
    return written;
}

// The draft starts as the store's exact bytes; without a store, empty.
bool QtSettingsStore::copystore(const QString& draft) const {
    QFile copy(draft);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    QFile store(file_);
    QByteArray bytes;
    if (store.open(QIODevice::ReadOnly)) {
        bytes = store.readAll();
        if (store.error() != QFileDevice::NoError) {
            return false;
        }
    } else if (store.exists()) {
        return false;  // an unreadable store must not be replaced by one without its records
    }
    copy.write(bytes);
    copy.close();
    // A short write on a full disk goes unreported; the size tells.
    return copy.error() == QFileDevice::NoError && QFileInfo(draft).size() == bytes.size();
}

// QSettings reports success for a file that a full disk or a size limit cut short, so the
// draft is read back under a second name, which QSettings has no cache for.
bool QtSettingsStore::readsback(const QSettings& settings, const QString& draft) const {
    const QString check = draft + "-check";
    std::error_code error;
    std::filesystem::create_hard_link(fspath(draft), fspath(check), error);
    if (error) {
        std::filesystem::copy_file(fspath(draft), fspath(check), error);
    }
    bool same = !error;
    if (same) {
        const QSettings reread(check, QSettings::IniFormat);
        const QStringList keys = settings.allKeys();
        same = reread.status() == QSettings::NoError && reread.allKeys().size() == keys.size() &&
               std::all_of(keys.begin(), keys.end(), [&](const QString& key) {
                   return reread.value(key) == settings.value(key);
               });
    }
    QFile::remove(check);
    return same;
}

// Drafts of copies that were killed, and QSettings' own files for them. Only the lock's holder
// writes a draft, so under the lock every one left is stale.
void QtSettingsStore::removeleftovers() const {
    const QFileInfo store(file_);
    QDir folder = store.absoluteDir();
    for (const QString& name :
         folder.entryList({store.fileName() + ".update-*"}, QDir::Files | QDir::Hidden)) {
        folder.remove(name);
    }
}

// One warning when writing starts to fail, not one for every save.
void QtSettingsStore::report(bool written) {
    if (!written && !failing_) {
        std::fprintf(stderr, ui::kStoreFailed.data(),
                     QDir::toNativeSeparators(file_).toLocal8Bit().constData());
    }
    failing_ = !written;
}
