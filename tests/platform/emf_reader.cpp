// Strict EMF parsing for the tests.
#include "emf_reader.h"

#include <set>
#include <sstream>
#include <stdexcept>

#include "platform/emf_canvas.h"

namespace plotwerk::platform::testing {

namespace {

using T = EmfRecordType;

std::uint32_t ReadU32(std::span<const std::uint8_t> b, std::size_t at) {
  if (at + 4 > b.size()) throw std::runtime_error("read past the end at " + std::to_string(at));
  return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
         (std::uint32_t{b[at + 3]} << 24);
}

[[noreturn]] void Bad(std::size_t index, const std::string& what) {
  throw std::runtime_error("record " + std::to_string(index) + ": " + what);
}

void ExpectSize(std::size_t index, const EmfRecord& r, std::uint32_t size) {
  if (r.size != size) Bad(index, "type " + std::to_string(r.type) + " has size " + std::to_string(r.size));
}

void CheckRecord(std::size_t index, const EmfRecord& r, std::uint16_t handles, std::set<std::uint32_t>& live) {
  const auto handle = [&](std::uint32_t h) {
    if (h == 0 || h >= handles) Bad(index, "handle " + std::to_string(h) + " outside the table");
  };
  switch (static_cast<T>(r.type)) {
    case T::SetMapMode: case T::SetBkMode: case T::SetRop2: case T::SetTextAlign:
    case T::SetTextColor: case T::SetBkColor:
      ExpectSize(index, r, 12);
      break;
    case T::SelectObject:
      ExpectSize(index, r, 12);
      if ((r.U32(8) & 0x80000000u) == 0 && !live.contains(r.U32(8))) Bad(index, "selects an unknown object");
      break;
    case T::DeleteObject:
      ExpectSize(index, r, 12);
      if (live.erase(r.U32(8)) == 0) Bad(index, "deletes an unknown object");
      break;
    case T::MoveToEx: case T::LineTo:
      ExpectSize(index, r, 16);
      break;
    case T::SetPixelV:
      ExpectSize(index, r, 20);
      break;
    case T::Rectangle: case T::Ellipse: case T::CreateBrushIndirect:
      ExpectSize(index, r, 24);
      if (static_cast<T>(r.type) == T::CreateBrushIndirect) {
        handle(r.U32(8));
        if (!live.insert(r.U32(8)).second) Bad(index, "reuses a live handle");
      }
      break;
    case T::CreatePen:
      ExpectSize(index, r, 28);
      handle(r.U32(8));
      if (!live.insert(r.U32(8)).second) Bad(index, "reuses a live handle");
      break;
    case T::ExtCreateFontIndirectW:
      if (r.size < 12 + 92) Bad(index, "font record too short");
      handle(r.U32(8));
      if (!live.insert(r.U32(8)).second) Bad(index, "reuses a live handle");
      break;
    case T::Polygon:
      if (r.size < 28 || r.size != 28 + 8 * r.U32(24)) Bad(index, "polygon size does not match its count");
      break;
    case T::ExtTextOutW: {
      if (r.size < 76) Bad(index, "text record too short");
      const std::uint32_t chars = r.U32(44), off_string = r.U32(48), off_dx = r.U32(72);
      if (off_string < 76 || off_string + 2 * chars > r.size) Bad(index, "text string outside the record");
      if (off_dx < off_string + 2 * chars || off_dx + 4 * chars > r.size) Bad(index, "advances outside the record");
      break;
    }
    case T::Eof:
      ExpectSize(index, r, 20);
      if (r.U32(16) != r.size) Bad(index, "end-of-file record repeats the wrong size");
      break;
    case T::Header:
      Bad(index, "second header");
    default:
      Bad(index, "unexpected record type " + std::to_string(r.type));
  }
}

std::string Hex(std::uint32_t v) {
  std::ostringstream s;
  s << std::hex << v;
  return s.str();
}

}  // namespace

std::uint32_t EmfRecord::U32(std::size_t offset) const {
  if (offset < 8) throw std::runtime_error("field inside the record header");
  return ReadU32(payload, offset - 8);
}

EmfFile ParseEmf(std::span<const std::uint8_t> bytes) {
  EmfFile file;
  std::size_t at = 0;
  while (at < bytes.size()) {
    EmfRecord r;
    r.type = ReadU32(bytes, at);
    r.size = ReadU32(bytes, at + 4);
    if (r.size < 8 || r.size % 4 != 0 || at + r.size > bytes.size())
      Bad(file.records.size(), "bad size " + std::to_string(r.size));
    r.payload.assign(bytes.begin() + at + 8, bytes.begin() + at + r.size);
    if (!file.records.empty() && file.records.back().type == static_cast<std::uint32_t>(T::Eof))
      Bad(file.records.size(), "record after the end-of-file record");
    file.records.push_back(std::move(r));
    at += file.records.back().size;
  }
  if (file.records.empty()) throw std::runtime_error("empty file");
  const EmfRecord& h = file.records.front();
  if (h.type != static_cast<std::uint32_t>(T::Header) || h.size < 88) throw std::runtime_error("no header");
  if (h.U32(40) != 0x464D4520) throw std::runtime_error("no EMF signature");
  for (int i = 0; i < 4; ++i) {
    file.header.bounds[i] = h.I32(8 + 4 * i);
    file.header.frame[i] = h.I32(24 + 4 * i);
  }
  file.header.bytes = h.U32(48);
  file.header.records = h.U32(52);
  file.header.handles = static_cast<std::uint16_t>(h.U32(56) & 0xFFFF);
  file.header.device = {h.I32(72), h.I32(76)};
  file.header.millimetres = {h.I32(80), h.I32(84)};
  if (file.header.bytes != bytes.size()) throw std::runtime_error("header gives the wrong file size");
  if (file.header.records != file.records.size()) throw std::runtime_error("header gives the wrong record count");
  if (file.records.back().type != static_cast<std::uint32_t>(T::Eof)) throw std::runtime_error("no end-of-file record");
  std::set<std::uint32_t> live;
  for (std::size_t i = 1; i < file.records.size(); ++i) CheckRecord(i, file.records[i], file.header.handles, live);
  return file;
}

std::vector<std::string> DescribeRecords(const EmfFile& file) {
  std::vector<std::string> out;
  const auto box = [](const EmfRecord& r) {
    return std::to_string(r.I32(8)) + " " + std::to_string(r.I32(12)) + " " + std::to_string(r.I32(16)) + " " +
           std::to_string(r.I32(20));
  };
  for (const EmfRecord& r : file.records) {
    switch (static_cast<T>(r.type)) {
      case T::MoveToEx: out.push_back("MoveTo " + std::to_string(r.I32(8)) + " " + std::to_string(r.I32(12))); break;
      case T::LineTo: out.push_back("LineTo " + std::to_string(r.I32(8)) + " " + std::to_string(r.I32(12))); break;
      case T::Rectangle: out.push_back("Rectangle " + box(r)); break;
      case T::Ellipse: out.push_back("Ellipse " + box(r)); break;
      case T::SetPixelV:
        out.push_back("Pixel " + std::to_string(r.I32(8)) + " " + std::to_string(r.I32(12)) + " " + Hex(r.U32(16)));
        break;
      case T::CreatePen:
        out.push_back("Pen " + std::to_string(r.U32(12)) + " " + std::to_string(r.I32(16)) + " " + Hex(r.U32(24)));
        break;
      case T::CreateBrushIndirect: out.push_back("Brush " + std::to_string(r.U32(12)) + " " + Hex(r.U32(16))); break;
      case T::ExtCreateFontIndirectW: {
        std::string face;
        for (std::size_t i = 0; i < 32; ++i) {
          const auto unit = static_cast<char16_t>(r.U32(40 + 2 * i) & 0xFFFF);
          if (unit == 0) break;
          face += static_cast<char>(unit);
        }
        out.push_back("Font " + face + " " + std::to_string(r.I32(12)));
        break;
      }
      case T::SetBkMode: out.push_back("BkMode " + std::to_string(r.U32(8))); break;
      case T::SetBkColor: out.push_back("BkColor " + Hex(r.U32(8))); break;
      case T::SetTextColor: out.push_back("TextColor " + Hex(r.U32(8))); break;
      case T::SetRop2: out.push_back("Rop2 " + std::to_string(r.U32(8))); break;
      case T::Polygon: {
        std::string line = "Polygon";
        for (std::uint32_t i = 0; i < r.U32(24); ++i)
          line += " " + std::to_string(r.I32(28 + 8 * i)) + "," + std::to_string(r.I32(32 + 8 * i));
        out.push_back(line);
        break;
      }
      case T::ExtTextOutW: {
        std::string line = "Text " + std::to_string(r.I32(36)) + " " + std::to_string(r.I32(40)) + " ";
        const std::uint32_t chars = r.U32(44), off = r.U32(48);
        for (std::uint32_t i = 0; i < chars; ++i) {
          const std::uint32_t unit = r.U32(off + 2 * i) & 0xFFFF;
          line += unit < 0x80 ? std::string(1, static_cast<char>(unit)) : "<" + Hex(unit) + ">";
        }
        out.push_back(line);
        break;
      }
      default: break;
    }
  }
  return out;
}

}  // namespace plotwerk::platform::testing
