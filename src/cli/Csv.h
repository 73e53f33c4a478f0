#pragma once
// Comma-separated values, read and written one record at a time so that a
// file of any size passes through in the same small memory. Fields may be
// quoted with double quotes (a quote inside doubled), and then hold commas and
// line breaks; records end with LF or CR LF.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vantel::cli {

class CsvReader {
 public:
  explicit CsvReader(std::FILE* in) : in_(in) {}
  // The fields of the next record; false at the end of the input.
  bool next(std::vector<std::string>& fields);
  // Whether the input began with a UTF-8 byte order mark (left out of the fields).
  bool byteOrderMark() const { return byteOrderMark_; }
  bool failed() const { return std::ferror(in_) != 0; }

 private:
  int get() {
    if (pos_ == len_ && !refill()) return EOF;
    return static_cast<unsigned char>(buffer_[pos_++]);
  }
  int peek() {
    if (pos_ == len_ && !refill()) return EOF;
    return static_cast<unsigned char>(buffer_[pos_]);
  }
  bool refill();

  std::FILE* in_;
  char buffer_[1 << 16];
  std::size_t pos_ = 0, len_ = 0;
  bool started_ = false, byteOrderMark_ = false;
};

class CsvWriter {
 public:
  explicit CsvWriter(std::FILE* out) : out_(out) {}
  ~CsvWriter() { flush(); }
  void field(std::string_view text);
  void endRecord();
  // False when the output could not be written.
  bool flush();
  void raw(std::string_view bytes) { buffer_ += bytes; }

 private:
  std::FILE* out_;
  std::string buffer_;
  bool firstField_ = true;
};

}  // namespace vantel::cli
