// The printable page: A4 portrait with a title, the picture, the terms in their curve colours
// and the result list in two columns; the value table follows on further pages. The window
// prints it (with a preview) and plotwerk-cli writes it as PDF; both build it here.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/controls.h"
#include "plot/plotter.h"

class QPagedPaintDevice;

namespace plotwerk::platform {

// The title when the worksheet has no name.
inline constexpr char kPageDefaultTitle[] = "Plotwerk";
// Result lines printed at most (the value table is capped long before).
inline constexpr std::size_t kMaxPageLines = 20000;

struct PageTerm {
  std::string name;  // "f1" .. "f4", or empty when unknown
  std::string term;  // code page 1252
  plot::Rgb colour;
};

struct PageContent {
  QString title;
  QByteArray picture_svg;  // the picture as drawn for the vector exports
  int picture_width = 1;
  int picture_height = 1;
  std::vector<PageTerm> terms;
  std::vector<std::string> results;      // the result list without the value table
  std::vector<std::string> value_table;  // its heading and rows, empty when it is off
};

// Draws the picture of width x height once (which rebuilds the plotter's result list; the
// value table is built when "Value table in list" is on, shown memo or not) and collects
// what the page shows.
PageContent MakePageContent(plot::Plotter& plotter, plot::Controls controls, const QString& title, int width,
                            int height);

// Splits a result list at the value table (the empty line before its heading).
void SplitValueTable(const std::vector<std::string>& lines, std::vector<std::string>* results,
                     std::vector<std::string>* table);

// Paints the pages on an A4 device (a printer or a PDF writer), starting new pages as the
// lists need; returns the number of pages. ExportError when painting cannot start.
int PaintPages(QPagedPaintDevice& device, const PageContent& content);

// The pages as a PDF document, and written to a file completely or not at all.
QByteArray RenderPagePdf(const PageContent& content);
void WritePagePdf(const QString& path, const PageContent& content);

}  // namespace plotwerk::platform
