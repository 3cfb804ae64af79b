#pragma once

#include <functional>
#include <string>

namespace vexlin {

class TPanels;
class TVexlin;
struct TOptionValues;

// The run of "Start Optimize" once the options and the input lists were read: the engine
// is cleared and given every sheet (less twice each edge trim), part and profile, the
// three phases run, and every layout of the result gets its offcut pieces. The option
// values must already be applied to the process-wide values. Returns the first refusal,
// or an empty text when the result is ready. progressStep may be empty.
std::string RunOptimization(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                            const TPanels& profiles, const TOptionValues& options,
                            const std::function<void()>& progressStep);

}  // namespace vexlin
