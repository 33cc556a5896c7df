#include "ui/aboutbox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/gothicfont.h"

namespace vantrel {

namespace {

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                 Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(place);
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  setFont(GothicFont());
  setFixedSize(298, 213);
  move(200, 108);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(2);
  Panel1->setGeometry(8, 8, 281, 161);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(8, 8, 65, 57);
  ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/vantrel/about.xpm")));
  ProgramIcon->setScaledContents(true);

  ProductName =
      NewLabel(Panel1, "ProductName", QStringLiteral("vantrel"), {116, 16, 91, 12}, Qt::AlignLeft);
  Version =
      NewLabel(Panel1, "Version", QStringLiteral("Version 0.02"), {128, 40, 63, 12}, Qt::AlignLeft);
  // The name and the version size themselves to their text; the centred
  // lines keep the panel's width.
  ProductName->adjustSize();
  Version->adjustSize();
  Copyright =
      NewLabel(Panel1, "Copyright", QStringLiteral("Copyright (C) 2026 The Vantrel developers"),
               {8, 80, 265, 12}, Qt::AlignHCenter);
  Comments = NewLabel(Panel1, "Comments", QStringLiteral("for Win95 only"), {12, 100, 265, 17},
                      Qt::AlignHCenter);
  Comments->setWordWrap(true);
  Label1 = NewLabel(Panel1, "Label1", QStringLiteral("Built with Qt for Linux"), {8, 136, 265, 12},
                    Qt::AlignHCenter);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(111, 180, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

int TAboutBox::Execute() {
  if (!shownBefore_) {
    shownBefore_ = true;
    create();  // so the frame around the box is known
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect screen = primary ? primary->geometry() : QRect();
    const QSize outer = frameGeometry().size();
    move(std::max(0, (screen.width() - outer.width()) / 2),
         std::max(0, (screen.height() - outer.height()) / 2));
  }
  OKButton->setFocus();
  return exec();
}

void TAboutBox::OKButtonClick() {
  accept();
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  // The box has no cancel button, so Escape does nothing.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace vantrel
