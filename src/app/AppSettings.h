// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: application "Rutwork", section "Gridwright",
// every value a text.
#include <QString>
#include <memory>

class QSettings;

namespace gw {

class AppSettings {
public:
    AppSettings();
    ~AppSettings();

    QString Get(const QString& key, const QString& defaultValue) const;
    void Set(const QString& key, const QString& value);
    void Sync();

    static constexpr const char* kOrganisation = "Rutwork";
    static constexpr const char* kApplication = "Rutwork";
    static constexpr const char* kSection = "Gridwright";

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace gw
