// The About window: name and year, the emblem at half size, the rights notice and the credits.
#include "ui/about_window.h"

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>

namespace plotwerk::ui {

namespace {

constexpr QSize kClientSize(322, 190);
// The emblem is drawn at 138 x 150 and shown at exactly half that size.
constexpr QSize kEmblemShownSize(69, 75);
constexpr QPoint kEmblemTopLeft(36, 27);
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

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutWindow");
  setProperty(kProgramFormProperty, true);
  setWindowTitle(tr("About ..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  setFixedSize(kClientSize);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setFont(PixelFont({"MS Sans Serif", "DejaVu Sans"}, 11, false, false));

  const QStringList verdana{"Verdana", "DejaVu Sans"};
  rights_label = MakeLabel(this, "rights_label",
                 tr("Copyright © 2026\nthe Plotwerk developers\nVersion %1\nAll rights reserved.")
                     .arg(QStringLiteral(PLOTWERK_VERSION)),
                 QRect(134, 75, 163, 56), PixelFont(verdana, 12, false, true), Qt::AlignRight);
  name_label = MakeLabel(this, "name_label", "Plotwerk\n2026", QRect(157, 12, 140, 50),
                 PixelFont(verdana, 21, true, true), Qt::AlignRight);

  emblem_label = new QLabel(this);
  emblem_label->setObjectName("emblem");
  emblem_label->setGeometry(QRect(kEmblemTopLeft, kEmblemShownSize));
  emblem_label->setAttribute(Qt::WA_TranslucentBackground);
  const QImage emblem(kEmblemResource);
  if (!emblem.isNull()) {
    // Scaled once, smoothly, to the pixels of the screen, so the emblem is crisp at any scale.
    const qreal dpr = devicePixelRatioF();
    QPixmap shown = QPixmap::fromImage(
        emblem.scaled(kEmblemShownSize * dpr, Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation));
    shown.setDevicePixelRatio(dpr);
    emblem_label->setPixmap(shown);
  }

  credits_label = MakeLabel(this, "credits_label",
                     tr("Built with Qt, zlib and giflib: thanks to\nthe people who make and keep them."),
                     QRect(16, 144, 283, 28), PixelFont(verdana, 12, false, true), Qt::AlignLeft);

  shortcut_menu = new QMenu(this);
  shortcut_menu->setObjectName("shortcut_menu");
  enter_item = shortcut_menu->addAction("enter");
  enter_item->setObjectName("enter_item");
  enter_item->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  escape_item = shortcut_menu->addAction("esc");
  escape_item->setObjectName("escape_item");
  escape_item->setShortcut(QKeySequence(Qt::Key_Escape));
  for (QAction* item : {enter_item, escape_item}) {
    // Added to the window itself so the shortcuts work although the menu never opens.
    addAction(item);
    connect(item, &QAction::triggered, this, &AboutWindow::Dismiss);
  }
}

void AboutWindow::Dismiss() { accept(); }

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      Dismiss();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace plotwerk::ui
