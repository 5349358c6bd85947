#include "profile_settings.h"

#include <QStringList>

#include "quillet_strings.h"

namespace quillet {

Profile::Profile()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromUtf8(resourceString(ids::kProfileRoot)),
                QString::fromUtf8(resourceString(ids::kAppTitle))) {}

int Profile::readInt(const QString &section, const QString &key, int defaultValue) const {
    bool ok = false;
    const int value = settings_.value(path(section, key)).toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

QString Profile::readString(const QString &section, const QString &key, const QString &defaultValue) const {
    const QVariant value = settings_.value(path(section, key));
    if (!value.isValid()) return defaultValue;
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',');
    return value.toString();
}

bool Profile::contains(const QString &section, const QString &key) const {
    return settings_.contains(path(section, key));
}

void Profile::writeInt(const QString &section, const QString &key, int value) {
    settings_.setValue(path(section, key), value);
}

void Profile::writeString(const QString &section, const QString &key, const QString &value) {
    settings_.setValue(path(section, key), value);
}

}  // namespace quillet
