#pragma once

#include <string>
#include <string_view>

namespace tamberlo {

class ErrorReporter;

// Where window procedures register their names per thread while they run. The error manager
// implements it; until one is registered a built-in keeper records the names.
class ProcedureNameRegistry {
public:
    virtual ~ProcedureNameRegistry() = default;
    // Appends the name (without trailing blanks) for the calling thread.
    virtual void PushProcedureName(std::string_view name) = 0;
    // Withdraws the calling thread's newest name; nothing when it has none.
    virtual void PopProcedureName() = 0;
    // The calling thread's newest name; empty when it has none.
    virtual std::string CurrentProcedureName() = 0;
};

ProcedureNameRegistry& procedureNames();
// nullptr restores the built-in keeper.
void setProcedureNames(ProcedureNameRegistry* registry);

// The program's one error manager, stored in each controller's ERRORS; empty until start-up
// sets it.
ErrorReporter* programErrors();
void setProgramErrors(ErrorReporter* reporter);

} // namespace tamberlo
