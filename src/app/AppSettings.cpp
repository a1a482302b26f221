// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppSettings.h"

#include <QSettings>

namespace gw {

AppSettings::AppSettings() : settings_(std::make_unique<QSettings>(kOrganisation, kApplication)) {}
AppSettings::~AppSettings() = default;

QString AppSettings::Get(const QString& key, const QString& defaultValue) const {
    return settings_->value(QString(kSection) + "/" + key, defaultValue).toString();
}

void AppSettings::Set(const QString& key, const QString& value) {
    settings_->setValue(QString(kSection) + "/" + key, value);
}

void AppSettings::Sync() { settings_->sync(); }

}  // namespace gw
