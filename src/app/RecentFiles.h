// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces opened or saved last, newest first, kept in the settings.
#include <QStringList>

namespace gw {

class AppSettings;

class RecentFiles {
public:
    static constexpr int kMaximum = 8;
    static constexpr const char* kKey = "RecentFiles";

    explicit RecentFiles(AppSettings& settings);

    const QStringList& paths() const { return paths_; }
    // Moves path to the front; the list keeps at most kMaximum entries.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Store();
    AppSettings& settings_;
    QStringList paths_;
};

}  // namespace gw
