#include "grid_cell.h"

#include "grid_model.h"

CGridDefaultCell* CGridCellBase::GetDefaultCell() const
{
    CGridModel* grid = GetGrid();
    return grid ? grid->GetDefaultCell(IsFixedRow() != 0, IsFixedCol() != 0) : nullptr;
}

CGridCellBase& CGridCellBase::operator=(const CGridCellBase& source)
{
    if (&source == this) return *this;
    const bool placed = GetGrid() != nullptr;
    if (!placed) SetGrid(source.GetGrid());
    SetText(source.GetText());
    SetImage(source.GetImage());
    SetData(source.GetData());
    const DWORD state =
        placed ? (source.GetState() & ~grid::kPlaceBits) | (GetState() & grid::kPlaceBits) : source.GetState();
    SetState(state);
    SetFormat(source.GetFormat());
    SetTextClr(source.GetTextClr());
    SetBackClr(source.GetBackClr());
    SetFont(source.IsDefaultFont() ? nullptr : source.GetFont());
    SetMargin(source.GetMargin());
    return *this;
}

void CGridCell::SetFont(const GridFont* font)
{
    if (!font) {
        m_font.reset();
        return;
    }
    if (!m_font) m_font = std::make_unique<GridFont>();
    *m_font = *font;
}

DWORD CGridCell::GetFormat() const
{
    if (m_format != DWORD(-1)) return m_format;
    const CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFormat() : m_format;
}

const GridFont* CGridCell::GetFont() const
{
    if (m_font) return m_font.get();
    const CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFont() : nullptr;
}

UINT CGridCell::GetMargin() const
{
    if (m_margin != UINT(-1)) return m_margin;
    const CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetMargin() : m_margin;
}

void CGridCell::Reset()
{
    CGridCellBase::Reset();
    m_text.Empty();
    m_image = -1;
    m_format = DWORD(-1);
    m_margin = UINT(-1);
    m_editing = false;
    m_grid = nullptr;
    m_textClr = m_backClr = grid::kDefaultColor;
    m_font.reset();
}

CGridDefaultCell::CGridDefaultCell()
{
    CGridCell::SetFormat(grid::kDefaultFormat);
    SetUnmeasuredMetrics();
}

void CGridDefaultCell::SetFont(const GridFont* font)
{
    if (!font) return;
    CGridCell::SetFont(font);
    CSize space, sample;
    CGridModel* grid = GetGrid();
    if (grid && grid->MeasureFontText(*font, " ", space) && grid->MeasureFontText(*font, SampleText(), sample))
        SetMetrics(space, sample);
    else
        SetUnmeasuredMetrics();
}

void CGridDefaultCell::SetMetrics(const CSize& space, const CSize& sample)
{
    SetMargin(UINT(space.cx));
    m_width = sample.cx;
    m_height = sample.cy * 3 / 2;
}

void CGridDefaultCell::SetUnmeasuredMetrics()
{
    SetMargin(3);
    m_width = 40;
    m_height = 16;
}
