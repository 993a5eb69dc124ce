#pragma once
// What a progress bar call reports instead of raising: the state is left as it
// was for DivisionByZero and Overflow of the Value mapping; a drawing overflow
// abandons the rest of that redraw.
enum class ProgressStatus {
    Ok,
    DivisionByZero, // Value set while Max is 0
    Overflow,       // a checked 32-bit product or conversion did not fit
};
