#pragma once
// The 80-bit floating type of every time, value and statistic.
namespace zyt {
using Extended = long double;
}
