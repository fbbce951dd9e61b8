// Where the program keeps what it remembers between runs: the folders its
// dialogs last showed, window places. An INI file in the user's
// configuration folder, $XDG_CONFIG_HOME/orv/orv.conf (~/.config/orv/orv.conf);
// tests point XDG_CONFIG_HOME at a folder of their own.
#pragma once

#include <QSettings>

namespace orv::ui {

class UserSettings : public QSettings {
public:
    UserSettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("orv"),
                    QStringLiteral("orv"))
    {
    }
};

} // namespace orv::ui
