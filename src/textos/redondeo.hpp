#pragma once
// Rounding of doubles to a number of decimals.
//
// Every rounding in the system rounds the exact binary value of the double to
// n decimals, halves to the even neighbour, and returns the double nearest to
// the rounded decimal. So 2.5 -> 2 and 0.125 -> 0.12 (exact halves), while
// 353.335 -> 353.33 and 3745.025 -> 3745.03 at 2 decimals, because the doubles
// nearest to those texts lie just below and just above the half.

namespace rumbal {

// Number of decimals from a decimals setting: the value rounded half to even to
// a whole number. A negative or non-finite setting gives 0; anything above 350
// gives 350 (a double holds no decimal digit that far that rounding could keep).
int decimalesentero(double ajuste);

// x rounded to n decimals (n as given by decimalesentero). Non-finite x is
// returned unchanged.
double redondea(double x, int n);

// x rounded to 15 significant digits: the value that the number text form of x
// stands for.
double redondea15(double x);

}  // namespace rumbal
