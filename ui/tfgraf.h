// The main window TFGraf: the drawing area, the term fields, the option column, the result
// memo and the main menu, with the handlers that change state and ask for a repaint.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>
#include <string>

#include "plot/controls.h"
#include "plot/plotter.h"
#include "ui/status_line.h"
#include "ui/widgets.h"

namespace plotwerk::ui {

class ControlBinding;

inline constexpr char kMainWindowTitle[] =
    QT_TRANSLATE_NOOP("plotwerk::ui::TFGraf", "Graphical representation of a function");
// The title in the language of the window.
QString MainWindowTitle();

// Every control is a public member named after the control, and carries that name as its
// objectName, so the navigation, animation and export code can wire itself to them (see
// window_extension.h) and tests can find them.
class TFGraf : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFGraf(QWidget* parent = nullptr);
  ~TFGraf() override;

  // --- The plot core and the repaint path ---------------------------------------------------
  plot::Plotter& Plotter() { return plotter_; }
  const plot::Plotter& Plotter() const { return plotter_; }
  // The current state of every control the drawing reads (control_binding.cpp).
  plot::Controls SnapshotControls() const;
  // Puts the settings of a snapshot into the controls (the captions aside) and lays the window
  // out for the memo's visibility, without drawing: the caller sets the view and then runs the
  // Draw command.
  void ApplyControls(const plot::Controls& controls);
  // Renders the picture off-screen and shows it in one copy.
  void Redraw();
  // Runs the drawing on a fresh off-screen image of the drawing area's size at the given
  // device pixel ratio (1: one image pixel per area pixel, as the bitmap exports want) and
  // writes the labels the drawing rewrites back into the window. Shows nothing.
  QImage RenderPicture(qreal device_pixel_ratio);
  // Redraw, then the result memo refreshed when it is shown.
  void PaintBox1Paint();
  // Antialiasing of the screen picture and of the bitmap exports ("Smooth lines"); off at
  // start, so the picture is pixel-exact.
  bool SmoothLines() const { return smooth_lines_; }
  void SetSmoothLines(bool smooth) { smooth_lines_ = smooth; }
  // The size of the drawing area in its own (device-independent) pixels.
  int PaintWidth() const;
  int PaintHeight() const;

  // --- Handlers of the window ---------------------------------------------------------------
  void FormActivate();
  void FormResize();
  void b_zeichnenClick();
  void SEndeClick();
  void Bergebnis();
  void Menueinstellungen(QAction* item);
  void TB1Change();
  void S31Click();
  void About1Click();
  void button_fstrichClick();
  void button_f2strichClick();

  // --- Controls (see the layout in tfgraf.cpp) ----------------------------------------------
  QWidget* Panel5;
  QWidget* Panel6;
  QWidget* Panel8;
  QWidget* Panel7;
  // Below the scrolling Panel7: "Draw" and "Result List", always in sight.
  QWidget* Panel10;
  QWidget* Panel4;
  QWidget* Panel9;
  QPlainTextEdit* Mergebnis;
  PaintBox* PaintBox1;
  // Under the drawing area: messages about the fields and the mouse position.
  StatusLine* status_line;

  // Panel8: view navigation.
  QLabel* Label12;
  SpeedButton* slinks;
  SpeedButton* shoch;
  SpeedButton* srunter;
  SpeedButton* srechts;
  SpeedButton* sgroesser;
  SpeedButton* skleiner;
  SpeedButton* sgrundeinstellung;

  // Panel7: options, numbers and buttons.
  QLabel* Label2;
  TermEdit* ed_breite;
  UpDown* UpDown1;
  QCheckBox* c_1ableitung;
  QCheckBox* c_2ableitung;
  QCheckBox* c_nullstellen;
  QCheckBox* c_extrema;
  QCheckBox* c_wendepunkte;
  QCheckBox* c_wendetangente;
  QCheckBox* c_stammfunktion;
  QCheckBox* c_schnittpunkte;
  QCheckBox* c_pktanzeige;
  QLabel* Label1;
  TermEdit* ed_xvon;
  QLabel* Label3;
  TermEdit* ed_xbis;
  QLabel* Label8;
  TermEdit* ed_parameter;
  UpDown* UpDown2;
  QLabel* Label4;
  TermEdit* ed_q;
  UpDown* UpDown5;
  QCheckBox* c_schar;
  TermEdit* ed_schardiff;
  QCheckBox* c_punktA;
  TermEdit* ed_A;
  UpDown* UpDown3;
  QLabel* Label11;
  QCheckBox* c_punktB;
  TermEdit* ed_B;
  UpDown* UpDown4;
  QLabel* Label10;
  QCheckBox* c_tangente;
  QCheckBox* c_normale;
  QCheckBox* c_sekante;
  QCheckBox* c_integral;
  QLabel* Label13;
  QLabel* Label14;
  QLabel* Label15;
  QRadioButton* rb_punkta;
  QPushButton* b_animation;
  QRadioButton* rb_punktB;
  QRadioButton* rb_parameter;
  QButtonGroup* AnimationGroup;
  QLabel* Label9;
  TermEdit* ed_von;
  TermEdit* ed_bis;
  QLabel* Label16;
  TermEdit* ed_delta;
  QCheckBox* c_wertetabelle;
  QPushButton* b_zeichnen;
  QCheckBox* c_ergebnisliste;

  // Panel9: terms.
  QCheckBox* c_f1;
  TermEdit* ed_f1;
  QCheckBox* c_f2;
  TermEdit* ed_f2;
  QCheckBox* c_f3;
  TermEdit* ed_f3;
  QCheckBox* c_f4;
  TermEdit* ed_f4;
  QPushButton* button_fstrich;
  QPushButton* button_f2strich;

  // Non-visual: the animation timer (disabled, 25 ms).
  QTimer* Timer1;

  // Main menu MainMenu1.
  QAction* M02;
  QMenu* Bearbeiten1;
  QAction* Vektorgrafikkopieren1;
  QAction* Vektorgrafikdrucken1;
  QAction* Speichern1;
  QAction* M1;
  QMenu* M_ksystem;
  QAction* MAchsen1;
  QAction* MAchsen21;
  QAction* M_rahmen;
  QAction* M_winkel;
  QAction* M_bogen;
  QAction* m_raster;
  QAction* m_mmraster;
  QAction* m_terme;
  QAction* m_farbe;
  QAction* intervallverkleinern;
  QAction* intervallvergroessern;
  QAction* grundeinstellung;
  QAction* aufloesunganpassen;
  QAction* Animation1;
  QAction* Zeichnen1;
  QMenu* M2;
  QAction* spiegelungxachse;
  QAction* spiegelungursprung;
  QAction* spiegelungyachse;
  QAction* verschiebungxachse;
  QAction* streckungxachse;
  QAction* verschiebungyachse;
  QAction* streckungyachse;
  QAction* nacheinanderausfuehrung;
  QAction* funktionsaddition;
  QAction* funktionssubtraktion1;
  QAction* funktionsmultiplikation;
  QAction* funktionsdivision1;
  QAction* Umkehrkurvezuf1x1;
  QAction* About1;

 signals:
  // Raised at the start of every activation (the first one resets the view); the mouse handlers
  // clear their drag state here.
  void Activated();
  // Raised after every repaint of the drawing area.
  void Repainted();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPanels();
  void BuildPanel8();
  void BuildPanel7();
  void BuildPanel9();
  void BuildMenu();
  void SetTabOrder();
  void Wire();
  void ShowResultList();
  // y from x for the current size of the drawing area: both axes get the same scale.
  void MatchYToX();

  plot::Plotter plotter_;
  // The controls of the list, found by name at the first snapshot.
  mutable std::unique_ptr<ControlBinding> binding_;
  bool first_show_done_ = false;
  bool smooth_lines_ = false;
  // Set while another window of the program (the About window) is active, so that returning to
  // this window redraws.
  bool other_window_was_active_ = false;
};

}  // namespace plotwerk::ui
