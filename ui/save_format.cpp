// The picture format for a saved file's name.
#include "ui/save_format.h"

#include <QFileInfo>

#include "ui/export_actions.h"

namespace plotwerk::ui {

platform::PictureFormat FormatForSavedName(const QString& path, int filter_index) {
  using platform::PictureFormat;
  const PictureFormat selected = FormatForFilterIndex(filter_index);
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "bmp") return selected == PictureFormat::Bmp16 ? PictureFormat::Bmp16 : PictureFormat::Bmp;
  if (suffix == "gif") return PictureFormat::Gif;
  if (suffix == "wmf" || suffix == "emf") return PictureFormat::Emf;
  if (suffix == "png") return PictureFormat::Png;
  if (suffix == "svg") return PictureFormat::Svg;
  if (suffix == "pdf") return PictureFormat::Pdf;
  return selected;
}

}  // namespace plotwerk::ui
