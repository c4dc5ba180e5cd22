// Level texts for run tests: a header and rows of floor that a test marks cell by cell. Text row
// r becomes track piece r + 5 (five filler pieces come first).
#pragma once

#include <string>
#include <vector>

struct TestLevel {
    static constexpr int kFirstPiece = 5;

    explicit TestLevel(int rows, const std::string& limits = "60,50,40")
        : header(limits), rows(static_cast<size_t>(rows), std::string(32, '.'))
    {
    }
    // Marks the cell of track piece `piece`, column `column`.
    TestLevel& Set(int piece, int column, char cell)
    {
        rows[static_cast<size_t>(piece - kFirstPiece)][static_cast<size_t>(column)] = cell;
        return *this;
    }
    TestLevel& Checkpoint(int piece, const std::string& bonus)
    {
        suffix.resize(rows.size());
        suffix[static_cast<size_t>(piece - kFirstPiece)] = bonus;
        return *this;
    }
    std::string Text() const
    {
        std::string text = header + "\r\n";
        for (size_t i = 0; i < rows.size(); ++i) {
            text += rows[i];
            if (i < suffix.size()) text += suffix[i];
            text += "\r\n";
        }
        return text;
    }
    // The finish piece.
    int Finish() const { return kFirstPiece + static_cast<int>(rows.size()) - 1; }

    std::string header;
    std::vector<std::string> rows;
    std::vector<std::string> suffix;
};
