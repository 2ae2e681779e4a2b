#pragma once

class CDxfOutput;

// One stored point. A plain value: the polylines keep their vertices by value
// in contiguous storage, so there is no per-vertex heap object to delete.
class CVertex {
public:
    double m_dPrimary = 0.0;   // reference coordinate; X after the Y-reference swap
    double m_dSecondary = 0.0; // the other plane coordinate; Y after the swap
    double m_dZ = 0.0;

    void Set(double primary, double secondary, double z)
    {
        m_dPrimary = primary;
        m_dSecondary = secondary;
        m_dZ = z;
    }

    void SwapXY()
    {
        double primary = m_dPrimary;
        m_dPrimary = m_dSecondary;
        m_dSecondary = primary;
    }

    // Emits the VERTEX entity with its layer and the three coordinates
    // (defined with the DXF writer, in dxf/dxf_writer.cpp).
    void Write(CDxfOutput& file) const;
};
