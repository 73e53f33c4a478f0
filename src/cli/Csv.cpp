#include "cli/Csv.h"

namespace vantel::cli {
namespace {

bool isSpecial(char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; }

}  // namespace

bool CsvReader::refill() {
  len_ = std::fread(buffer_, 1, sizeof buffer_, in_);
  pos_ = 0;
  if (!started_) {
    started_ = true;
    if (len_ >= 3 && std::string_view(buffer_, 3) == "\xEF\xBB\xBF")
      pos_ = 3, byteOrderMark_ = true;
  }
  return pos_ < len_;
}

bool CsvReader::next(std::vector<std::string>& fields) {
  std::size_t count = 0;
  auto field = [&]() -> std::string& {
    if (count == fields.size()) fields.emplace_back();
    std::string& f = fields[count++];
    f.clear();
    return f;
  };
  int c = get();
  if (c == EOF) return false;
  std::string* current = &field();
  for (;; c = get()) {
    if (c == EOF || c == '\n') break;
    if (c == '\r') {
      if (peek() == '\n') get();
      break;
    }
    if (c == ',') {
      current = &field();
    } else if (c == '"' && current->empty()) {
      // A quoted field: up to the closing quote; a doubled quote is one quote.
      for (c = get(); c != EOF; c = get()) {
        if (c == '"') {
          if (peek() != '"') break;
          get();
        }
        current->push_back(static_cast<char>(c));
      }
    } else {
      // A run of plain characters goes over at once.
      const std::size_t start = pos_ - 1;
      while (pos_ < len_ && !isSpecial(buffer_[pos_])) ++pos_;
      current->append(buffer_ + start, pos_ - start);
    }
  }
  fields.resize(count);
  return true;
}

void CsvWriter::field(std::string_view text) {
  if (!firstField_) buffer_ += ',';
  firstField_ = false;
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    buffer_ += text;
  } else {
    buffer_ += '"';
    for (char c : text) {
      if (c == '"') buffer_ += '"';
      buffer_ += c;
    }
    buffer_ += '"';
  }
}

void CsvWriter::endRecord() {
  buffer_ += '\n';
  firstField_ = true;
  if (buffer_.size() >= (1 << 16)) flush();
}

bool CsvWriter::flush() {
  const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), out_) == buffer_.size();
  buffer_.clear();
  return written && std::fflush(out_) == 0;
}

}  // namespace vantel::cli
