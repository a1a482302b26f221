#include "app/AboutBox.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppIcon.h"
#include "app/WindowPlacement.h"

namespace gw {

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
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout();
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(description);
    auto* top = new QHBoxLayout();
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout();
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

void AboutBox::closeEvent(QCloseEvent* event) {
    placement_.SaveFormPosition(*this);
    QDialog::closeEvent(event);
}

void AboutBox::done(int result) {
    placement_.SaveFormPosition(*this);
    QDialog::done(result);
}

}  // namespace gw
