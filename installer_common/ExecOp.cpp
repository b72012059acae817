#include "ExecOp.h"

#include "ExecCompare.h"
#include "ExecCondStr.h"
#include "ExecDll.h"
#include "Exec.h"
#include "Global.h"
#include "Utils.h"

namespace {

// One run of an item: its two lists, its event, the library and what it writes.
struct ItemRun {
    TExecDll& library;
    std::string record;
    std::string parameters;
    char event;
    bool& abort;
    std::string log;

    void Append(const std::string& text) { log += text + "\r\n"; }
    std::string Record(int field) const { return DelimItem(record, field); }
    std::string Parameter(int field) const { return DelimItem(parameters, field); }
};

// The record and parameter fields of condition n (1..3) and execution n (1..4).
int ConditionRecordField(int n) { return 6 + 5 * (n - 1); }
int ConditionParameterField(int n) { return 1 + 4 * (n - 1); }
int ExecutionRecordField(int n) { return 19 + 3 * (n - 1); }
int ExecutionParameterField(int n) { return 13 + 3 * (n - 1); }

bool NamesComparedValue(int code) { return code == 23 || code == 34 || code == 42 || code == 43; }

bool EvaluateCondition(ItemRun& run, int n) {
    int field = ConditionRecordField(n);
    bool negate = run.Record(field) == "1";
    std::string name = run.Record(field + 1);
    int parameterField = ConditionParameterField(n);
    std::string p1 = ExpandPathMacros(run.Parameter(parameterField));
    std::string relation = run.Parameter(parameterField + 1);
    std::string value = run.Parameter(parameterField + 2);

    int code = ConditionCode(FindCondition(name));
    bool result = false;
    if (code != -1)
        result = EvaluateConditionRow(code, p1, relation, value);
    else if (run.library.HasEntries())
        result = run.library.CallEntry(run.event, name, p1, relation, value);
    if (negate) result = !result;

    std::string line = "    IF " + std::string(negate ? "NOT " : "") + name + "  " + p1 + " ";
    if (NamesComparedValue(code)) line += relation + " " + value + " ";
    run.Append(line + "= " + BoolText(result));
    return result;
}

bool RunExecution(ItemRun& run, int n) {
    int field = ExecutionRecordField(n);
    if (run.Record(field) != "1") return true;
    std::string name = run.Record(field + 1);
    int parameterField = ExecutionParameterField(n);
    std::string p1 = ExpandPathMacros(run.Parameter(parameterField));
    std::string p2 = ExpandPathMacros(run.Parameter(parameterField + 1));

    int code = ExecutionCode(FindExecution(name));
    bool result = true;
    if (code != -1)
        result = PerformExecutionRow(code, p1, p2, run.abort);
    else if (run.library.HasEntries())
        result = run.library.CallEntry(run.event, name, p1, p2, "");
    run.Append("    THEN " + name + "  " + p1 + "  " + p2);
    return result;
}

bool Combine(bool left, char join, bool right) {
    switch (join) {
        case '1': return left && right;
        case '2': return left || right;
        default: return left != right;
    }
}

const char* JoinWord(char join) { return join == '1' ? "and" : join == '2' ? "or" : "xor"; }

char JoinCode(const std::string& field) { return field.empty() ? '0' : field[0]; }

bool IsJoin(char join) { return join >= '1' && join <= '3'; }

bool RunItemBody(ItemRun& run) {
    bool outcome = true;
    if (run.Record(4) != "1") {
        outcome = EvaluateCondition(run, 1);
        char join = JoinCode(run.Record(9));
        if (IsJoin(join)) {
            run.Append(std::string("    ") + JoinWord(join));
            outcome = Combine(outcome, join, EvaluateCondition(run, 2));
            join = JoinCode(run.Record(14));
            if (IsJoin(join)) {
                run.Append(std::string("    ") + JoinWord(join));
                outcome = Combine(outcome, join, EvaluateCondition(run, 3));
            }
        }
        run.Append("    Result: " + BoolText(outcome));
    }
    int first = outcome ? 1 : 3;
    bool firstDone = RunExecution(run, first);
    bool secondDone = RunExecution(run, first + 1);
    return firstDone && secondDone;
}

}  // namespace

bool RunExecuteItem(TExecDll& library, const std::string& item, char event, bool& abort,
                    std::string& log) {
    log.clear();
    abort = false;
    ItemRun run{library, DelimItem(item, 0), DelimItem(item, 1), event, abort, ""};
    if (EventChar(run.Record(2)) != event) return true;
    run.Append("  " + run.Record(1));
    bool result = RunItemBody(run);
    log = run.log;
    return result;
}
