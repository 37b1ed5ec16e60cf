// The font GDI object: the LOGFONT it was created from and the realized
// font that draws it.
#pragma once

#include "gdi/dc.h"
#include "gdi/font_engine.h"

namespace vor::gdi::text {

class TextFont : public FontObject {
public:
    explicit TextFont(const LOGFONTA& lf);

    int GetObjectData(int cb, void* pv) const override;

    const LOGFONTA& LogFont() const { return m_lf; }
    RealFont& Real() const { return *m_real; }
    const FontMetrics& Metrics() const { return m_real->Metrics(); }
    bool Underline() const { return m_lf.lfUnderline != 0; }
    bool StrikeOut() const { return m_lf.lfStrikeOut != 0; }
    void FillTextMetrics(TEXTMETRICA* tm) const;

private:
    LOGFONTA m_lf;
    RealFont* m_real;
};

// The font selected into a DC; the stock system font when the DC holds none
// that is valid.
TextFont* FontOfDC(DeviceContext* dc);
TextFont* FontOfHandle(HFONT hfont);

}  // namespace vor::gdi::text
