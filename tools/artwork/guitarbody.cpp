// SPDX-License-Identifier: GPL-3.0-or-later
#include "guitarbody.h"

QPainterPath GuitarBody::unitOutline()
{
    QPainterPath path;
    // Tip of the long bass-side horn, then down its inner edge into the
    // cutaway, under the neck, and up the short treble-side horn.
    path.moveTo(0.205, 0.0);
    path.cubicTo(0.250, 0.0, 0.270, 0.035, 0.285, 0.080);
    path.cubicTo(0.305, 0.145, 0.350, 0.200, 0.430, 0.200);
    path.lineTo(0.570, 0.200);
    path.cubicTo(0.650, 0.200, 0.690, 0.150, 0.715, 0.115);
    path.cubicTo(0.740, 0.080, 0.760, 0.068, 0.790, 0.070);
    // Round the treble horn and run down the treble side: upper bout,
    // waist, the wide lower bout, and round the bottom.
    path.cubicTo(0.820, 0.072, 0.835, 0.095, 0.845, 0.120);
    path.cubicTo(0.870, 0.190, 0.970, 0.230, 0.965, 0.340);
    path.cubicTo(0.960, 0.420, 0.925, 0.440, 0.925, 0.480);
    path.cubicTo(0.925, 0.520, 0.945, 0.540, 0.970, 0.590);
    path.cubicTo(0.995, 0.640, 1.005, 0.690, 1.005, 0.765);
    path.cubicTo(1.005, 0.920, 0.820, 1.005, 0.500, 1.005);
    // Bass side: bottom, lower bout, waist, upper bout and the long horn.
    path.cubicTo(0.180, 1.005, -0.005, 0.920, -0.005, 0.760);
    path.cubicTo(-0.005, 0.690, 0.005, 0.640, 0.030, 0.590);
    path.cubicTo(0.055, 0.540, 0.075, 0.520, 0.075, 0.480);
    path.cubicTo(0.075, 0.430, 0.020, 0.390, 0.025, 0.310);
    path.cubicTo(0.020, 0.230, 0.070, 0.200, 0.100, 0.120);
    path.cubicTo(0.120, 0.055, 0.150, 0.0, 0.205, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath GuitarBody::unitPickguard()
{
    QPainterPath path;
    path.moveTo(0.290, 0.125);
    path.cubicTo(0.320, 0.195, 0.370, 0.220, 0.430, 0.220);
    path.lineTo(0.570, 0.220);
    path.cubicTo(0.640, 0.220, 0.680, 0.170, 0.730, 0.160);
    path.cubicTo(0.790, 0.150, 0.830, 0.240, 0.850, 0.310);
    path.cubicTo(0.870, 0.380, 0.850, 0.450, 0.800, 0.475);
    path.cubicTo(0.740, 0.500, 0.680, 0.475, 0.620, 0.475);
    path.cubicTo(0.540, 0.475, 0.480, 0.490, 0.380, 0.490);
    path.cubicTo(0.260, 0.490, 0.180, 0.470, 0.160, 0.400);
    path.cubicTo(0.140, 0.330, 0.170, 0.290, 0.160, 0.240);
    path.cubicTo(0.150, 0.170, 0.220, 0.120, 0.290, 0.125);
    path.closeSubpath();
    return path;
}

QTransform GuitarBody::standingInto(const QRectF &rect)
{
    return QTransform(rect.width(), 0, 0, rect.height(), rect.left(), rect.top());
}

QTransform GuitarBody::lyingInto(const QRectF &rect)
{
    // Unit x (across the body) becomes picture y; unit y (from horn tip to
    // bottom) runs from the right edge of the rectangle to its left edge.
    return QTransform(0, rect.height(), -rect.width(), 0, rect.right(), rect.top());
}
