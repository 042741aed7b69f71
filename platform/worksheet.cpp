// Worksheet files through Qt's JSON classes, checked on the way in as typed input is.
#include "platform/worksheet.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <variant>

#include "platform/atomic_write.h"
#include "plot/controls_names.h"
#include "plot/reachable.h"
#include "plot/version1_terms.h"

namespace plotwerk::platform {

namespace {

constexpr char kFormatKey[] = "format";
constexpr char kVersionKey[] = "version";
constexpr char kControlsKey[] = "controls";
constexpr char kViewKey[] = "view";
constexpr char kParametersKey[] = "parameters";
constexpr char kParamPKey[] = "P";
constexpr char kParamQKey[] = "Q";
constexpr const char* kViewKeys[] = {"x_min", "x_max", "y_min", "y_max"};
constexpr char16_t kLastLatin1 = 0xFF;
constexpr qsizetype kMaxWarnings = 20;

[[noreturn]] void Refuse(const QString& message) { throw WorksheetError(message.toStdString()); }

[[noreturn]] void RefuseKey(const QString& key, const QString& problem) {
  Refuse(QStringLiteral("key \"%1\": %2").arg(key, problem));
}

QString TypeName(const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Null:
      return QStringLiteral("null");
    case QJsonValue::Bool:
      return QStringLiteral("true or false");
    case QJsonValue::Double:
      return QStringLiteral("a number");
    case QJsonValue::String:
      return QStringLiteral("a text");
    case QJsonValue::Array:
      return QStringLiteral("a list");
    case QJsonValue::Object:
      return QStringLiteral("an object");
    case QJsonValue::Undefined:
      break;
  }
  return QStringLiteral("nothing");
}

[[noreturn]] void RefuseType(const QString& key, const char* expected, const QJsonValue& found) {
  RefuseKey(key, QStringLiteral("expected %1, found %2").arg(QLatin1String(expected), TypeName(found)));
}

double FiniteNumber(const QString& key, const QJsonValue& v) {
  if (!v.isDouble()) RefuseType(key, "a number", v);
  const double d = v.toDouble();
  if (!std::isfinite(d)) RefuseKey(key, QStringLiteral("the number is too large"));
  return d;
}

// Line and column (from 1) of a byte offset, for syntax errors.
QString Position(const QByteArray& json, qsizetype offset) {
  offset = std::clamp<qsizetype>(offset, 0, json.size());
  int line = 1;
  qsizetype line_start = 0;
  for (qsizetype i = 0; i < offset; ++i) {
    if (json[i] == '\n') {
      ++line;
      line_start = i + 1;
    }
  }
  return QStringLiteral("line %1, column %2").arg(line).arg(offset - line_start + 1);
}

QJsonObject Section(const QJsonObject& root, const char* key) {
  const QJsonValue v = root.value(QLatin1String(key));
  if (v.isUndefined()) return {};
  if (!v.isObject()) RefuseType(QLatin1String(key), "an object", v);
  return v.toObject();
}

void WarnUnknownKeys(const QJsonObject& object, const QString& prefix, const std::function<bool(const QString&)>& known,
                     QStringList* warnings) {
  if (warnings == nullptr) return;
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (known(it.key())) continue;
    // A file full of unknown keys gets a short list, not one line each.
    if (warnings->size() == kMaxWarnings) warnings->append(QStringLiteral("further unknown keys ignored"));
    if (warnings->size() > kMaxWarnings) return;
    warnings->append(QStringLiteral("unknown key \"%1%2\" ignored").arg(prefix, it.key()));
  }
}

// A field's text: single Latin-1 characters only, then what typing them gives.
std::string FieldText(const QString& key, const QJsonValue& v) {
  if (!v.isString()) RefuseType(key, "a text", v);
  const QString text = v.toString();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].unicode() > kLastLatin1) {
      RefuseKey(key, QStringLiteral("character U+%1 at position %2 cannot be typed into a field")
                         .arg(QString::number(text[i].unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')))
                         .arg(i + 1));
    }
  }
  const QByteArray bytes = text.toLatin1();
  std::string out(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  std::string why;
  if (!plot::AsTypedFieldText(out, &why)) RefuseKey(key, QString::fromStdString(why));
  return out;
}

// The animation's radio buttons, one group (prefix "rb_").
bool IsRadioButton(const plot::ControlInfo& info) { return info.name.rfind("rb_", 0) == 0; }

void ReadControls(const QJsonObject& section, plot::Controls& controls, QStringList* warnings) {
  bool radio_given_checked = false;
  bool memo_given = false;
  for (const plot::ControlInfo& info : plot::ControlTable()) {
    const QJsonValue v = section.value(QString::fromStdString(info.name));
    if (v.isUndefined()) continue;
    const QString key = QStringLiteral("%1.%2").arg(QLatin1String(kControlsKey), QString::fromStdString(info.name));
    if (const auto* text = std::get_if<std::string plot::Controls::*>(&info.member)) {
      controls.*(*text) = FieldText(key, v);
    } else if (const auto* check = std::get_if<bool plot::Controls::*>(&info.member)) {
      if (!v.isBool()) RefuseType(key, "true or false", v);
      controls.*(*check) = v.toBool();
      if (IsRadioButton(info) && v.toBool()) radio_given_checked = true;
      if (info.kind == plot::ControlKind::Shown) memo_given = true;
    } else {
      const double d = FiniteNumber(key, v);
      if (d != std::trunc(d) || std::fabs(d) > std::numeric_limits<int>::max()) {
        RefuseKey(key, QStringLiteral("expected a whole number, found %1").arg(d));
      }
      controls.*std::get<int plot::Controls::*>(info.member) = static_cast<int>(d);
    }
  }
  // A radio button given as checked unchecks the others the file leaves out, and a file that
  // leaves out the memo shows it as "Result List" says, as in the window.
  if (radio_given_checked) {
    for (const plot::ControlInfo& info : plot::ControlTable()) {
      if (IsRadioButton(info) && !section.contains(QString::fromStdString(info.name))) {
        controls.*std::get<bool plot::Controls::*>(info.member) = false;
      }
    }
  }
  if (!memo_given) controls.Mergebnis_visible = controls.c_ergebnisliste;
  plot::FollowGraphWidthField(controls);
  std::string why;
  if (!plot::IsReachable(controls, &why)) {
    Refuse(QStringLiteral("%1: %2").arg(QLatin1String(kControlsKey), QString::fromStdString(why)));
  }
  WarnUnknownKeys(
      section, QStringLiteral("controls."),
      [](const QString& key) {
        for (const plot::ControlInfo& info : plot::ControlTable()) {
          if (key == QLatin1String(info.name.c_str())) return true;
        }
        return false;
      },
      warnings);
}

plot::PlotView ReadView(const QJsonObject& section, QStringList* warnings) {
  double bounds[4];
  for (int k = 0; k < 4; ++k) {
    const QString key = QStringLiteral("view.%1").arg(QLatin1String(kViewKeys[k]));
    const QJsonValue v = section.value(QLatin1String(kViewKeys[k]));
    if (v.isUndefined()) RefuseKey(key, QStringLiteral("missing (a view needs all four bounds)"));
    bounds[k] = FiniteNumber(key, v);
  }
  const plot::PlotView view{bounds[0], bounds[1], bounds[2], bounds[3]};
  std::string why;
  if (!plot::IsReachableView(view, &why)) RefuseKey(QLatin1String(kViewKey), QString::fromStdString(why));
  WarnUnknownKeys(
      section, QStringLiteral("view."),
      [](const QString& key) {
        for (const char* known : kViewKeys) {
          if (key == QLatin1String(known)) return true;
        }
        return false;
      },
      warnings);
  return view;
}

void CheckSavable(const Worksheet& worksheet) {
  std::string why;
  if (!plot::IsReachable(worksheet.controls, &why)) {
    throw WorksheetError("this state cannot be saved as a worksheet: " + why);
  }
  if (worksheet.view && !plot::IsReachableView(*worksheet.view, &why)) {
    throw WorksheetError("this view cannot be saved in a worksheet: " + why);
  }
  if (!std::isfinite(worksheet.param_p) || !std::isfinite(worksheet.param_q)) {
    throw WorksheetError("this state cannot be saved as a worksheet: P or Q is not a finite number");
  }
}

}  // namespace

bool SameWorksheet(const Worksheet& a, const Worksheet& b) {
  return plot::SameSettings(a.controls, b.controls) && a.view == b.view && a.param_p == b.param_p &&
         a.param_q == b.param_q;
}

QByteArray WorksheetToJson(const Worksheet& worksheet) {
  CheckSavable(worksheet);
  QJsonObject controls;
  for (const plot::ControlInfo& info : plot::ControlTable()) {
    const QString key = QString::fromStdString(info.name);
    std::visit(
        [&](auto member) {
          const auto& value = worksheet.controls.*member;
          if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
            controls.insert(key, QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
          } else {
            controls.insert(key, value);
          }
        },
        info.member);
  }
  QJsonObject root;
  root.insert(QLatin1String(kFormatKey), QLatin1String(kWorksheetFormat));
  root.insert(QLatin1String(kVersionKey), kWorksheetVersion);
  if (worksheet.view) {
    const plot::PlotView& v = *worksheet.view;
    root.insert(QLatin1String(kViewKey), QJsonObject{{QLatin1String(kViewKeys[0]), v.x_min},
                                                     {QLatin1String(kViewKeys[1]), v.x_max},
                                                     {QLatin1String(kViewKeys[2]), v.y_min},
                                                     {QLatin1String(kViewKeys[3]), v.y_max}});
  }
  root.insert(QLatin1String(kParametersKey), QJsonObject{{QLatin1String(kParamPKey), worksheet.param_p},
                                                         {QLatin1String(kParamQKey), worksheet.param_q}});
  root.insert(QLatin1String(kControlsKey), controls);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Worksheet WorksheetFromJson(const QByteArray& json, QStringList* warnings) {
  if (json.trimmed().isEmpty()) Refuse(QStringLiteral("the file is empty"));
  QJsonParseError parse_error;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parse_error);
  if (parse_error.error != QJsonParseError::NoError) {
    Refuse(QStringLiteral("not a readable worksheet: %1: %2")
               .arg(Position(json, parse_error.offset), parse_error.errorString()));
  }
  if (!document.isObject()) Refuse(QStringLiteral("not a Plotwerk worksheet: the file holds no JSON object"));
  const QJsonObject root = document.object();
  if (root.value(QLatin1String(kFormatKey)).toString() != QLatin1String(kWorksheetFormat)) {
    Refuse(QStringLiteral("not a Plotwerk worksheet: key \"format\" is not \"%1\"").arg(QLatin1String(kWorksheetFormat)));
  }
  const QJsonValue version = root.value(QLatin1String(kVersionKey));
  if (version.isUndefined()) RefuseKey(QLatin1String(kVersionKey), QStringLiteral("missing"));
  if (!version.isDouble() || version.toDouble() != std::trunc(version.toDouble()) || version.toDouble() < 1) {
    RefuseKey(QLatin1String(kVersionKey), QStringLiteral("expected a whole number from 1"));
  }
  if (version.toDouble() > kWorksheetVersion && warnings != nullptr) {
    warnings->append(QStringLiteral("the worksheet has version %1, this program reads version %2; what it "
                                    "does not know is ignored")
                         .arg(version.toDouble())
                         .arg(kWorksheetVersion));
  }

  Worksheet worksheet;
  ReadControls(Section(root, kControlsKey), worksheet.controls, warnings);
  if (version.toDouble() < 2) {
    // Version 1 read terms the older way: keep their meaning and say so.
    for (const plot::RewrittenField& f : plot::RewriteVersion1Fields(worksheet.controls)) {
      if (warnings == nullptr) continue;
      warnings->append(QStringLiteral("\"%1\" of %2 is written \"%3\" so that it keeps its meaning")
                           .arg(QString::fromLatin1(f.before), QLatin1String(f.name), QString::fromLatin1(f.after)));
    }
  }
  if (root.contains(QLatin1String(kViewKey))) worksheet.view = ReadView(Section(root, kViewKey), warnings);
  const QJsonObject parameters = Section(root, kParametersKey);
  for (const char* name : {kParamPKey, kParamQKey}) {
    const QJsonValue v = parameters.value(QLatin1String(name));
    if (v.isUndefined()) continue;
    const double d = FiniteNumber(QStringLiteral("parameters.%1").arg(QLatin1String(name)), v);
    (name == kParamPKey ? worksheet.param_p : worksheet.param_q) = d;
  }
  WarnUnknownKeys(
      parameters, QStringLiteral("parameters."),
      [](const QString& key) { return key == QLatin1String(kParamPKey) || key == QLatin1String(kParamQKey); },
      warnings);
  WarnUnknownKeys(
      root, QString(),
      [](const QString& key) {
        for (const char* known : {kFormatKey, kVersionKey, kControlsKey, kViewKey, kParametersKey}) {
          if (key == QLatin1String(known)) return true;
        }
        return false;
      },
      warnings);
  return worksheet;
}

Worksheet ReadWorksheet(const QString& path, QStringList* warnings) {
  const QFileInfo info(path);
  if (!info.exists()) Refuse(QStringLiteral("no such file"));
  // Devices and pipes could feed the reader without end.
  if (!info.isFile()) Refuse(QStringLiteral("not a regular file"));
  if (info.size() > kMaxWorksheetBytes) {
    Refuse(QStringLiteral("the file has %1 bytes, more than a worksheet can hold (%2 bytes)")
               .arg(info.size())
               .arg(kMaxWorksheetBytes));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Refuse(file.errorString());
  const QByteArray json = file.read(kMaxWorksheetBytes + 1);
  if (file.error() != QFileDevice::NoError) Refuse(file.errorString());
  if (json.size() > kMaxWorksheetBytes) Refuse(QStringLiteral("the file is larger than a worksheet can be"));
  return WorksheetFromJson(json, warnings);
}

void WriteWorksheet(const QString& path, const Worksheet& worksheet) {
  const QByteArray json = WorksheetToJson(worksheet);
  WriteFileAtomically(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(json.constData()),
                                                          static_cast<std::size_t>(json.size())));
}

}  // namespace plotwerk::platform
