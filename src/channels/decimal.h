// Decimal multiplication for every conversion between a typed or shown decimal
// number and an integer count: each operand rounded to 15 significant digits,
// multiplied exactly in decimal, the product converted back to double. So
// 146.525 × 100000 is exactly 14652500, where double arithmetic gives 14652499.99...
#pragma once

double DecimalMultiply(double a, double b);
