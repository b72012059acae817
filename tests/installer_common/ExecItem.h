#pragma once
// Builds execute items for the tests: a record ("|"-delimited, 30 fields) and parameters
// ("^"-delimited, 24 fields) inside an item delimited by "#".
#include <string>
#include <vector>

namespace opstest {

class ExecItem {
public:
    ExecItem(const std::string& description, const std::string& event) {
        record_[1] = description;
        record_[2] = event;
    }
    // Takes the THEN branch without evaluating any condition.
    ExecItem& Always() {
        record_[4] = "1";
        return *this;
    }
    // Condition n (1..3).
    ExecItem& If(int n, const std::string& name, const std::string& p1,
                 const std::string& relation = "", const std::string& value = "",
                 bool negate = false) {
        int field = 6 + 5 * (n - 1);
        record_[field] = negate ? "1" : "0";
        record_[field + 1] = name;
        int parameter = 1 + 4 * (n - 1);
        params_[parameter] = p1;
        params_[parameter + 1] = relation;
        params_[parameter + 2] = value;
        return *this;
    }
    // How condition n (2 or 3) joins: "1" and, "2" or, "3" xor.
    ExecItem& Join(int n, const std::string& code) {
        record_[n == 2 ? 9 : 14] = code;
        return *this;
    }
    // Execution n (1, 2: THEN; 3, 4: ELSE).
    ExecItem& Do(int n, const std::string& name, const std::string& p1 = "",
                 const std::string& p2 = "", bool enabled = true) {
        int field = 19 + 3 * (n - 1);
        record_[field] = enabled ? "1" : "0";
        record_[field + 1] = name;
        params_[13 + 3 * (n - 1)] = p1;
        params_[14 + 3 * (n - 1)] = p2;
        return *this;
    }
    std::string Text() const {
        return "#" + Joined(record_, '|') + "#" + Joined(params_, '^') + "#";
    }

private:
    static std::string Joined(const std::vector<std::string>& fields, char delimiter) {
        std::string list(1, delimiter);
        for (const std::string& field : fields) list += field + delimiter;
        return list;
    }
    std::vector<std::string> record_ = std::vector<std::string>(30);
    std::vector<std::string> params_ = std::vector<std::string>(24);
};

}  // namespace opstest
