#pragma once
// Symbolic derivative of a formula, produced as formula text.

#include <string>

class TDiffExpress {
public:
    TDiffExpress();
    void setFormula(const std::string& formula);
    const std::string& Formula() const;        // "0" at creation and after any error
    void Derive(const std::string& variable, std::string& result);
    bool DiffError() const;

private:
    std::string formula_ = "0";
    bool diffError_ = false;
};
