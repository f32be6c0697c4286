// The edits read by the edit command, one per line:
//   SHEET ROW COL TEXT   TEXT typed into the grid cell (ROW 0, the header, is refused); TEXT is the
//                        rest of the line after one blank, possibly empty; \xHH stands for the
//                        byte HH and \\ for a backslash; other text is UTF-8
//   cut SHEET ROW        the row back to its defaults, as the grid's Cut does
// Empty lines and lines starting with # are skipped; a line may end in CR LF.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CCliSession;

struct EditLine {
    enum class Kind { Edit, Cut };
    Kind kind = Kind::Edit;
    int line = 0;  // line number in the input, from 1
    int sheet = 0;
    int row = 0;
    int col = 0;
    std::string text;  // Windows-1252
};

class CEditScript {
public:
    // Reads every line; throws CCliError naming the line for a malformed one or one that
    // addresses a cell the session's grids do not show.
    static std::vector<EditLine> Read(std::istream& in, const CCliSession& session);

private:
    static EditLine ParseLine(const std::string& line, const CCliSession& session);
    static int ParseNumber(const std::string& field, const char* what);
};
