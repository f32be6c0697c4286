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

struct EDIT_LINE {
    enum KIND { EDIT, CUT };
    KIND nKind = EDIT;
    int nLine = 0;    // line number in the input, from 1
    int nSheet = 0;
    int nRow = 0;
    int nCol = 0;
    std::string strText;  // Windows-1252
};

class CEditScript {
public:
    // Reads every line; throws CCliError naming the line for a malformed one or one that
    // addresses a cell the session's grids do not show.
    static std::vector<EDIT_LINE> Read(std::istream& in, const CCliSession& session);

private:
    static EDIT_LINE ParseLine(const std::string& line, const CCliSession& session);
    static int ParseNumber(const std::string& field, const char* what);
};
