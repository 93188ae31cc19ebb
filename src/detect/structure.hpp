#pragma once
// Where the label of a value stands when it is lines away: the column header of a delimited
// table or of a fixed-width report, the element around a value in XML, the column of a value in
// an SQL insert, the key of a JSON array, and the line or lines before (a label on its own line,
// a question answered on the next). Only places are found here; the labels in them are read by
// the label search of the structure family (extend.hpp).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "detect/report.hpp"

namespace norvane::structure {

// Rule names of the readings, as they show in Evidence::extensions.
namespace rule {
inline constexpr RuleName kColumnHeader = "context.column_header";
// A row with more cells than its header (a comma inside a field written without quotes): a
// cell read right-aligned with the header's last cells.
inline constexpr RuleName kColumnFromRight = "context.column_from_right";
inline constexpr RuleName kHtmlHeader = "context.html_header";
inline constexpr RuleName kFixedWidthHeader = "context.fixed_width_header";
// A report row's cell read by index: as many cells as the header, not padded under it.
inline constexpr RuleName kFixedWidthCell = "context.fixed_width_cell";
inline constexpr RuleName kRowLabel = "context.row_label";          // the first cell of the row
inline constexpr RuleName kEnclosingKey = "context.enclosing_key";  // a block's or path's key
inline constexpr RuleName kFormField = "context.form_field";        // a multipart form's field name
inline constexpr RuleName kXmlElement = "context.xml_element";
inline constexpr RuleName kSqlColumn = "context.sql_column";
// A field named by a line over headerless rows that says their order (이름/연락처 순서예요).
inline constexpr RuleName kAnnouncedHeader = "context.announced_header";
inline constexpr RuleName kSqlCopyColumn = "context.sql_copy_column";  // a COPY ... FROM stdin row
inline constexpr RuleName kJsonArrayKey = "context.json_array_key";
// A bank statement's description column (적요, 메모): the other party's account stands there.
inline constexpr RuleName kStatementMemo = "context.statement_memo";
inline constexpr RuleName kPreviousLine = "context.previous_line";  // a request or remark
inline constexpr RuleName kLabelLine = "context.label_line";        // a label on its own line
inline constexpr RuleName kQuestionLine = "context.question_line";  // a question before the answer
inline constexpr RuleName kEarlierLine = "context.earlier_line";
inline constexpr RuleName kEarlierQuestion = "context.earlier_question";  // asked before remarks
                                                                          // (a question or request)
}  // namespace rule

// The delimiter of a table row (tab, pipe, semicolon or comma), or 0 when the line is no row.
char row_delimiter(std::string_view line);
// The gaps of two spaces or more, or of a tab, between fields of a line (a report's row).
std::size_t field_gaps(std::string_view line);

// Bytes [from, to) of the text where labels of the value may stand, at a label distance.
struct Place {
  std::size_t from, to;
  std::uint32_t distance;
  RuleName rule;
  bool only_if_none_before;  // read only when the places before it held no label
  bool operator==(const Place&) const = default;
};

// Finds the places for one value at a time. Values of one text come in order; what a table,
// report or statement looks like is kept from one value to the next.
class Reader {
 public:
  // The places for the value at bytes [start, end) of `text`, appended to `out`. Nothing when
  // its line is too long to see whole.
  void places(std::string_view text, std::size_t start, std::size_t end, std::vector<Place>& out);
  // Only the keys enclosing the value's block or key path (company: {tel: ...}, a.b=...): read
  // even where the value's own line names something.
  void enclosing(std::string_view text, std::size_t start, std::vector<Place>& out) const;

 private:
  bool column_header(std::string_view text, std::size_t ls, std::size_t le, std::size_t start,
                     std::vector<Place>& out);
  bool fixed_width_header(std::string_view text, std::size_t ls, std::size_t le, std::size_t start,
                          std::size_t end, std::vector<Place>& out);
  bool sql_column(std::string_view text, std::size_t ls, std::size_t start,
                  std::vector<Place>& out);
  // A tab-separated row of a COPY ... FROM stdin block: its column in the COPY's list.
  bool copy_column(std::string_view text, std::size_t ls, std::size_t le, std::size_t start,
                   std::vector<Place>& out);
  // The field over the cell at `start` named by a line that says, above the rows of this one's
  // shape (cells parted by `delim`: a table's delimiter, or a slash or a comma written by hand),
  // the order of their fields; false when no such line stands over them.
  bool announced_header(std::string_view text, std::size_t ls, std::size_t le, std::size_t start,
                        std::vector<Place>& out, char delim);
  // The header cell over the HTML table cell whose start tag opens at byte `cell`.
  void html_header(std::string_view text, std::size_t cell, std::vector<Place>& out);

  // The line of the last value: its row delimiter and the places of the lines before it.
  struct Line {
    const char* data = nullptr;
    std::size_t size = 0, start = 0, end = 0;
    std::size_t body = 0;  // where the message starts after a chat export's stamp (npos: not
                           // read yet)
    char delimiter = 0;
    // A slash or a comma parting fields written by hand when `delimiter` is none (0: none).
    char hand_mark = 0;
    bool hand_mark_read = false;
    bool before_read = false;  // `before` holds the places of the lines before
    std::vector<Place> before;
    // Delimiters outside quotes from `start` to `counted_to`, and whether a quote is open there:
    // the values of a row come left to right, each counted on from the one before.
    std::size_t counted_to = 0, counted = 0;
    bool quoted = false;
    std::size_t cells = 0;  // the row's cells outside quotes (0: not counted yet)
  } line_;
  // The delimiters of the line of the last value outside quotes before byte `at` of it.
  std::size_t delimiters_before(std::string_view text, std::size_t at);
  // Where the cells of a header line [line, stop) start (the first at `line`, then after each
  // delimiter outside quotes), kept for the last two such lines: a table's rows read them over
  // and over.
  struct HeaderCells {
    const char* data = nullptr;
    std::size_t size = 0, line = 0, stop = 0;
    char delimiter = 0;
    std::vector<std::size_t> starts;
  };
  std::array<HeaderCells, 2> header_cells_;
  std::size_t next_header_cells_ = 0;
  const std::vector<std::size_t>& header_cells(std::string_view text, std::size_t line,
                                               std::size_t stop, char delim);
  void lines_before(std::string_view text, std::size_t ls, std::vector<Place>& out) const;
  // The last delimited table: its header line and how far its rows have been seen.
  struct Table {
    const char* data = nullptr;
    std::size_t size = 0;
    char delimiter = 0;
    std::size_t header = 0, header_end = 0;
    std::size_t second = 0, second_end = 0;  // the header's second line, or npos
    std::size_t rows_end = 0;
    bool statement = false;  // the header is a bank statement's
  } table_;
  // The last block of rows under no header: its top line, how far its rows have been seen, and
  // the fields of the line over it that says their order (none when it says none).
  struct Announced {
    const char* data = nullptr;
    std::size_t size = 0, top = 0, rows_end = 0;
    char delimiter = 0;
    std::vector<std::pair<std::size_t, std::size_t>> fields;
  } announced_;
  // The last fixed-width report: its header line and how far its rows have been seen.
  struct Report {
    const char* data = nullptr;
    std::size_t size = 0, header = 0, header_end = 0, rows_end = 0;
    bool statement = false;
  } report_;
  // The last HTML table: where it starts, how far its rows have been laid out, the header's
  // cells over each column (the lower names it, the upper groups it), and the rows merged
  // cells still take under the rows laid out.
  struct Html {
    const char* data = nullptr;
    std::size_t size = 0, table = 0, seen_to = 0;
    std::vector<std::pair<std::size_t, std::size_t>> lower, upper;
    std::vector<std::uint32_t> below, scratch;
  } html_;
  // The last SQL insert: where its VALUES end, how far it is known to go on, its columns.
  struct Insert {
    const char* data = nullptr;
    std::size_t size = 0, values = 0, seen_to = 0;
    std::vector<std::pair<std::size_t, std::size_t>> columns;
  } insert_;
  // The last COPY block: its first row, how far its rows have been seen, its columns.
  struct Copy {
    const char* data = nullptr;
    std::size_t size = 0, rows = 0, rows_end = 0;
    bool copy = false;  // the line over the rows is a COPY ... FROM stdin
    std::vector<std::pair<std::size_t, std::size_t>> columns;
  } copy_;
  // Reads the COPY statement on [cs, ce) into copy_, if it is one.
  void copy_columns(std::string_view text, std::size_t cs, std::size_t ce);
};

}  // namespace norvane::structure
