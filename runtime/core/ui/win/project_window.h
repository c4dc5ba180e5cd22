// The window of an open project window: its framework window object, which turns the window's
// messages into events of the window's objects, with the font, background picture and outline
// that belong to one opening of the window (Windows only).
//
// The object deletes itself once its window is gone; the window's record lets go of it when the
// window is destroyed, so a record holds it exactly while the window is open.
#pragma once

#include <memory>

#include "fw_font.h"
#include "fw_wnd.h"
#include "image_bitmap.h"
#include "project_model.h"

class CProjectWnd : public CSelfDeletingWnd<CWnd> {
public:
    CProjectWnd(CProjectRuntime& runtime, bool mdiChild) : m_runtime(runtime), m_mdiChild(mdiChild) {}

    CProjectRuntime& Runtime() const { return m_runtime; }
    // The record of this window, or null while it is not (or no longer) the record's window.
    WindowRecord* Record() const;
    bool IsMdiChild() const { return m_mdiChild; }

    // The window's font (none: the system's GUI font).
    HFONT FontHandle() const { return m_font ? m_font->GetHandle() : nullptr; }
    void SetFont(std::unique_ptr<CFont> font) { m_font = std::move(font); }

    // The picture the window paints as its background; null before the first one is built.
    CImageBitmap* Background() const { return m_background.get(); }
    void SetBackground(std::unique_ptr<CImageBitmap> background) { m_background = std::move(background); }

    // The window's outline: kept here and handed to the system as a fresh copy each time it is
    // applied (the system owns the region it is given).
    void SetOutline(HRGN region);
    bool HasOutline() const { return m_outline != nullptr; }
    void ApplyOutline(BOOL redraw);

    // From WM_DESTROY on the window raises no more events.
    void BeginTeardown() { m_tearingDown = true; }

    // Default processing: the MDI child's, or the window's own.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Only for an object whose window was never made; an open one deletes itself (a script may close
    // the window it runs in).
    ~CProjectWnd() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CProjectRuntime& m_runtime;
    bool m_mdiChild;
    std::unique_ptr<CFont> m_font;
    std::unique_ptr<CImageBitmap> m_background;
    HRGN m_outline = nullptr;
    bool m_tearingDown = false;
};

// Ends the window of a window instance that a record lets go of: an instance that deletes itself
// (a project window, a grid) has its window destroyed, any other is deleted with its window.
void DestroyWindowInstance(CWnd* window);
