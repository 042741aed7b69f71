// The About window: name and year, the emblem at half size, the rights notice and the credits.
#include "ui/info2/tf35.h"

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>

namespace plotwerk::ui {

namespace {

constexpr int kClientWidth = 322;
constexpr int kClientHeight = 190;
// The emblem is drawn at 138 x 150 and shown at exactly half that size.
constexpr int kEmblemShownWidth = 69;
constexpr int kEmblemShownHeight = 75;
constexpr char kEmblemResource[] = ":/plotwerk/emblem.gif";

QFont PixelFont(const QStringList& families, int pixels, bool bold, bool italic) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  const QFont& font, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setGeometry(geometry);
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

}  // namespace

TF35::TF35(QWidget* parent) : QDialog(parent) {
  setObjectName("TF35");
  setProperty(kProgramFormProperty, true);
  setWindowTitle(tr("About ..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setFont(PixelFont({"MS Sans Serif", "DejaVu Sans"}, 11, false, false));

  const QStringList verdana{"Verdana", "DejaVu Sans"};
  L3 = MakeLabel(this, "L3",
                 tr("Copyright © 2026\nthe Plotwerk developers\nVersion %1\nAll rights reserved.")
                     .arg(QStringLiteral(PLOTWERK_VERSION)),
                 QRect(134, 75, 163, 56), PixelFont(verdana, 12, false, true), Qt::AlignRight);
  L1 = MakeLabel(this, "L1", "Plotwerk\n2026", QRect(157, 12, 140, 50),
                 PixelFont(verdana, 21, true, true), Qt::AlignRight);

  I1 = new QLabel(this);
  I1->setObjectName("I1");
  I1->setGeometry(36, 27, kEmblemShownWidth, kEmblemShownHeight);
  I1->setAttribute(Qt::WA_TranslucentBackground);
  const QImage emblem(kEmblemResource);
  if (!emblem.isNull()) {
    // Scaled once, smoothly, to the pixels of the screen, so the emblem is crisp at any scale.
    const qreal dpr = devicePixelRatioF();
    QPixmap shown = QPixmap::fromImage(
        emblem.scaled(QSize(kEmblemShownWidth, kEmblemShownHeight) * dpr, Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation));
    shown.setDevicePixelRatio(dpr);
    I1->setPixmap(shown);
  }

  Label1 = MakeLabel(this, "Label1",
                     tr("Built with Qt, zlib and giflib: thanks to\nthe people who make and keep them."),
                     QRect(16, 144, 283, 28), PixelFont(verdana, 12, false, true), Qt::AlignLeft);

  P1 = new QMenu(this);
  P1->setObjectName("P1");
  x1 = P1->addAction("enter");
  x1->setObjectName("x1");
  x1->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  x2 = P1->addAction("esc");
  x2->setObjectName("x2");
  x2->setShortcut(QKeySequence(Qt::Key_Escape));
  for (QAction* item : {x1, x2}) {
    // Added to the window itself so the shortcuts work although the menu never opens.
    addAction(item);
    connect(item, &QAction::triggered, this, &TF35::B1C);
  }
}

void TF35::B1C() { accept(); }

void TF35::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      B1C();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace plotwerk::ui
