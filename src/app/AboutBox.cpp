// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/AppIcon.h"
#include "app/WindowPlacement.h"

namespace gw {

namespace {

const char* const kLicenseText = "License: GPL-3.0-or-later";

// The notices the licences ask a program to show: the program's own licence
// and warranty disclaimer, and the parts of others that it contains (stb,
// compiled in) or runs on (Qt, linked as shared libraries). The package's
// copyright file says the same in Debian's machine-readable form.
QString NoticesText() {
    return QString(
               "<p><b>Gridwright %1</b><br>Copyright 2026 The Gridwright maintainers</p>"
               "<p>This program is free software: you can redistribute it and/or modify it under the terms of "
               "the GNU General Public License as published by the Free Software Foundation, either version 3 of "
               "the License, or (at your option) any later version.</p>"
               "<p>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
               "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the "
               "GNU General Public License for more details.</p>"
               "<p>You should have received a copy of the GNU General Public License along with this program "
               "(the file LICENSE in its source; on Debian systems /usr/share/common-licenses/GPL-3). If not, see "
               "<a href=\"https://www.gnu.org/licenses/\">https://www.gnu.org/licenses/</a>.</p>"
               "<p><b>Other software in this program</b></p>"
               "<p>stb_image, stb_image_write and stb_image_resize (reading, writing and resizing images), "
               "copyright 2014-2022 Sean Barrett and contributors: public domain, or the MIT License, at your "
               "choice.</p>"
               "<p>Qt 6 (the editor's windows), copyright The Qt Company Ltd. and other contributors: used under "
               "the GNU Lesser General Public License version 3 (LGPL-3.0), as shared libraries that can be "
               "replaced. <i>About Qt</i> tells more.</p>")
        .arg(GRIDWRIGHT_VERSION);
}

}  // namespace

AboutBox::AboutBox(WindowPlacement& placement, QWidget* parent) : QDialog(parent), placement_(placement) {
    setObjectName("frmAbout");
    setWindowTitle("About Gridwright");
    setModal(false);
    setMinimumWidth(520);

    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(AppIconPixmap(64));
    icon->setAlignment(Qt::AlignTop);
    auto* title = new QLabel("Gridwright for Motocross Madness SX plugins", this);
    title->setObjectName("lblTitle");
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    title->setFont(bold);
    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("lblVersion");
    auto* description = new QLabel(
        "This program allows you to edit the ASC files that the MCM Track Editor uses. With this program you can "
        "either modify an existing track piece or create your own. You can optionally convert an SX track to a "
        "National Displacement Map.",
        this);
    description->setObjectName("lblDescription");
    description->setWordWrap(true);
    auto* license = new QLabel(kLicenseText, this);
    license->setObjectName("lblLicense");
    auto* licenses = new QPushButton("Licenses...", this);
    licenses->setObjectName("cmdLicenses");
    licenses->setAutoDefault(false);
    connect(licenses, &QPushButton::clicked, this, &AboutBox::ShowLicenses);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout();
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(description);
    texts->addSpacing(8);
    texts->addWidget(license);
    auto* top = new QHBoxLayout();
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(licenses);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addSpacing(8);
    page->addLayout(buttons);
    adjustSize();
    setFixedSize(size());
    placement_.RestoreFormPosition(*this);
}

QString AboutBox::VersionText() { return QString("Version ") + GRIDWRIGHT_VERSION; }

void AboutBox::ShowLicenses() {
    if (!licenses_) {
        licenses_ = new QDialog(this);
        licenses_->setObjectName("dlgLicenses");
        licenses_->setWindowTitle("Licenses");
        auto* text = new QTextBrowser(licenses_);
        text->setObjectName("txtLicenses");
        text->setOpenExternalLinks(true);
        text->setHtml(NoticesText());
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, licenses_);
        auto* aboutQt = buttons->addButton("About Qt", QDialogButtonBox::HelpRole);
        aboutQt->setObjectName("cmdAboutQt");
        connect(aboutQt, &QPushButton::clicked, licenses_, [this] { QMessageBox::aboutQt(licenses_); });
        connect(buttons, &QDialogButtonBox::rejected, licenses_, &QDialog::close);
        auto* page = new QVBoxLayout(licenses_);
        page->addWidget(text);
        page->addWidget(buttons);
        // Wide and tall enough to read the notices without scrolling at the usual font sizes.
        const QFontMetrics metrics(text->font());
        licenses_->resize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 30);
    }
    licenses_->show();
    licenses_->raise();
}

void AboutBox::closeEvent(QCloseEvent* event) {
    placement_.SaveFormPosition(*this);
    QDialog::closeEvent(event);
}

void AboutBox::done(int result) {
    placement_.SaveFormPosition(*this);
    QDialog::done(result);
}

}  // namespace gw
