// The cells of a grid: CGridCellBase (the state word and the operations every cell answers),
// CGridCell (an ordinary cell with its own text, colours, font, format and margin, each of which
// may fall back to its default cell) and CGridDefaultCell (one of the four cells a grid keeps to
// supply those defaults, never placed in the grid).
//
// Platform-free: what a cell shows is held here; measuring and drawing are the window's.
#pragma once

#include <memory>

#include "fw_geometry.h"
#include "fw_object.h"
#include "fw_string.h"
#include "grid_types.h"

class CGridModel;
class CGridDefaultCell;

class CGridCellBase : public CObject {
public:
    CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = delete;

    virtual void SetText(const char* text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(LONG_PTR data) = 0;
    virtual void SetState(DWORD state) { m_state = state; }
    virtual void SetFormat(DWORD format) = 0;
    virtual void SetTextClr(COLORREF colour) = 0;
    virtual void SetBackClr(COLORREF colour) = 0;
    // Null returns to the default cell's font.
    virtual void SetFont(const GridFont* font) = 0;
    virtual void SetMargin(UINT margin) = 0;
    virtual void SetGrid(CGridModel* grid) = 0;

    virtual const CString& GetText() const = 0;
    virtual int GetImage() const { return -1; }
    virtual LONG_PTR GetData() const = 0;
    virtual DWORD GetState() const { return m_state; }
    // Format, font and margin resolve to the default cell's where the cell has none of its own.
    virtual DWORD GetFormat() const = 0;
    // Colours as stored: grid::kDefaultColor is resolved when the cell is drawn.
    virtual COLORREF GetTextClr() const = 0;
    virtual COLORREF GetBackClr() const = 0;
    virtual const GridFont* GetFont() const = 0;
    virtual UINT GetMargin() const = 0;
    virtual CGridModel* GetGrid() const = 0;
    // The grid's default cell for this cell's kind (ordinary, fixed row, fixed column, corner);
    // null without a grid.
    virtual CGridDefaultCell* GetDefaultCell() const;
    virtual bool IsDefaultFont() const = 0;

    // An in-place editor is open on the cell.
    virtual bool IsEditing() const { return false; }
    virtual void SetEditing(bool editing) {}
    virtual bool ValidateEdit(const char* text) { return true; }

    DWORD IsFocused() const { return GetState() & grid::kFocused; }
    DWORD IsSelected() const { return GetState() & grid::kSelected; }
    DWORD IsDropHighlighted() const { return GetState() & grid::kDropHighlighted; }
    DWORD IsReadOnly() const { return GetState() & grid::kReadOnly; }
    DWORD IsFixed() const { return GetState() & grid::kFixed; }
    DWORD IsFixedRow() const { return GetState() & grid::kFixedRow; }
    DWORD IsFixedCol() const { return GetState() & grid::kFixedCol; }
    DWORD IsModified() const { return GetState() & grid::kModified; }

    // Copies another cell's content through the setters and getters. A cell that belongs to a
    // grid keeps its grid and the state bits of its place there (focus, selection, fixed), so the
    // grid's focus cell and selection stay true to the cells.
    CGridCellBase& operator=(const CGridCellBase& source);
    virtual void Reset() { m_state = 0; }

protected:
    DWORD m_state = 0;
};

class CGridCell : public CGridCellBase {
public:
    CGridCell() = default;
    CGridCell& operator=(const CGridCell& source)
    {
        CGridCellBase::operator=(source);
        return *this;
    }

    void SetText(const char* text) override { m_text = text; }
    void SetImage(int image) override { m_image = image; }
    void SetData(LONG_PTR data) override { m_data = data; }
    void SetFormat(DWORD format) override { m_format = format; }
    void SetTextClr(COLORREF colour) override { m_textClr = colour; }
    void SetBackClr(COLORREF colour) override { m_backClr = colour; }
    void SetFont(const GridFont* font) override;
    void SetMargin(UINT margin) override { m_margin = margin; }
    void SetGrid(CGridModel* grid) override { m_grid = grid; }

    const CString& GetText() const override { return m_text; }
    int GetImage() const override { return m_image; }
    LONG_PTR GetData() const override { return m_data; }
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override { return m_textClr; }
    COLORREF GetBackClr() const override { return m_backClr; }
    const GridFont* GetFont() const override;
    UINT GetMargin() const override;
    CGridModel* GetGrid() const override { return m_grid; }
    bool IsDefaultFont() const override { return !m_font; }

    bool IsEditing() const override { return m_editing; }
    void SetEditing(bool editing) override { m_editing = editing; }

    void Reset() override;

    // Text moved in and out without copies (loading, sorting).
    CString& TextRef() { return m_text; }

private:
    CString m_text;
    LONG_PTR m_data = 0;
    int m_image = -1;
    DWORD m_format = DWORD(-1);
    COLORREF m_textClr = grid::kDefaultColor;
    COLORREF m_backClr = grid::kDefaultColor;
    std::unique_ptr<GridFont> m_font;
    UINT m_margin = UINT(-1);
    bool m_editing = false;
    CGridModel* m_grid = nullptr;
};

class CGridDefaultCell : public CGridCell {
public:
    CGridDefaultCell();

    // A default cell is read-only, keeps no state and no data.
    void SetData(LONG_PTR) override {}
    void SetState(DWORD) override {}
    DWORD GetState() const override { return m_state | grid::kReadOnly; }
    // It has no default of its own.
    CGridDefaultCell* GetDefaultCell() const override { return nullptr; }
    // Takes the font and measures it (through its grid's window) for its margin and default size.
    void SetFont(const GridFont* font) override;

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    void SetWidth(int width) { m_width = width; }
    void SetHeight(int height) { m_height = height; }
    // Margin and default size from the width of one space and the extent of a sample text; the
    // unmeasured values stand where no font could be measured.
    void SetMetrics(const CSize& space, const CSize& sample);
    void SetUnmeasuredMetrics();
    static const char* SampleText() { return " XXXXXXXXXXXX "; }

private:
    int m_width = 30;
    int m_height = 10;
};
