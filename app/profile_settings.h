// The per-user profile: sections and keys of integers and texts under
// "Olbrin Applications"/"Quillet", stored as an INI file in the XDG
// configuration folder (the command-line tool reads the same file).
#pragma once

#include <QSettings>
#include <QString>

namespace quillet {

class Profile {
public:
    Profile();

    int readInt(const QString &section, const QString &key, int defaultValue) const;
    // A text written by hand with bare commas ("1,38400,n,8,1,n") is read
    // back whole, not as the list QSettings would make of it.
    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    bool contains(const QString &section, const QString &key) const;

    void writeInt(const QString &section, const QString &key, int value);
    void writeString(const QString &section, const QString &key, const QString &value);

    QString fileName() const { return settings_.fileName(); }

private:
    static QString path(const QString &section, const QString &key) { return section + '/' + key; }

    QSettings settings_;
};

}  // namespace quillet
