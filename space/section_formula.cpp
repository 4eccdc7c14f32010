#include "space/section_formula.h"

#include <cctype>
#include <map>

namespace {

// Each capital of a template stands for a number of the cut (K the plane's k;
// A, B, C, R, E the object's values): no other capital occurs in them.
using Values = std::map<char, long double>;

std::string fill(const char* pattern, const Values& values) {
    std::string text;
    for (const char* c = pattern; *c; ++c) {
        const auto value = values.find(*c);
        text += value == values.end() ? std::string(1, *c) : FloatToStr(value->second);
    }
    return text;
}

SectionFormulas pair(const char* pattern, const Values& values) {
    const std::string half = fill(pattern, values);
    return {true, half, "-" + half, GraphType::FunctionOfX};
}

SectionFormulas equation(const char* pattern, const Values& values) {
    return {true, fill(pattern, values), std::string(), GraphType::Cartesian};
}

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Replaces the variable `name` by `by`: a letter standing alone, not one of a
// function's name (the x of exp or max).
std::string replaceVariable(const std::string& formula, char name, const std::string& by) {
    std::string text;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const bool alone = formula[i] == name && (i == 0 || !isLetter(formula[i - 1]))
                           && (i + 1 == formula.size() || !isLetter(formula[i + 1]));
        text += alone ? by : std::string(1, formula[i]);
    }
    return text;
}

SectionFormulas surfaceSection(const std::string& surface, const TCuttingPlane& plane) {
    if (surface.empty()) return {};
    const std::string k = "(" + FloatToStr(plane.k) + ")";
    switch (plane.kind) {
        case 1: return {true, replaceVariable(replaceVariable(surface, 'x', k), 'y', "(x)"), "", GraphType::FunctionOfX};
        case 2: return {true, replaceVariable(surface, 'y', k), "", GraphType::FunctionOfX};
        default: return {true, surface + "-" + k, "", GraphType::Cartesian};
    }
}

SectionFormulas sphereSection(const TSphereRecord& s, const TCuttingPlane& plane) {
    const Values v{{'K', plane.k}, {'A', s.a}, {'B', s.b}, {'C', s.c}, {'R', s.r}};
    switch (plane.kind) {
        case 1: return pair("sqrt((R)^2-(x-(B))^2-((K)-(A))^2)+(C)", v);
        case 2: return pair("sqrt((R)^2-(x-(A))^2-((K)-(B))^2)+(C)", v);
        default: return pair("sqrt((R)^2-(x-(A))^2-((K)-(C))^2)+(B)", v);
    }
}

// Indexed [plane kind - 1][cylinder kind - 1]; a leading '=' marks an equation.
constexpr const char* CylinderCuts[3][3] = {
    {"=((K)-(A))^2+(x-(B))^2-(R)^2", "sqrt((R)^2-((K)-(A))^2)+(C)", "sqrt((R)^2-(x-(B))^2)+(C)"},
    {"=(x-(A))^2+((K)-(B))^2-(R)^2", "sqrt((R)^2-(x-(A))^2)+(C)", "sqrt((R)^2-((K)-(B))^2)+(C)"},
    {"sqrt((R)^2-(x-(A))^2)+(B)", "=(x-(A))^2+((K)-(C))^2-(R)^2", "sqrt((R)^2-((K)-(C))^2)+(B)"},
};

SectionFormulas cylinderSection(const TCylinderRecord& c, const TCuttingPlane& plane) {
    const Values v{{'K', plane.k}, {'A', c.a}, {'B', c.b}, {'C', c.c}, {'R', c.R}};
    const char* pattern = CylinderCuts[plane.kind - 1][c.kind - 1];
    return pattern[0] == '=' ? equation(pattern + 1, v) : pair(pattern, v);
}

// Indexed [plane kind - 1][cone kind - 1].
constexpr const char* ConeCuts[3][3] = {
    {"sqrt( ( ((K)-(A))^2+(x-(B))^2)/(E))+(C)", "sqrt(-((K)-(A))^2+(E)*(x-(B))^2)+(C)",
     "sqrt(-(x-(B))^2+(E)*((K)-(A))^2)+(C)"},
    {"sqrt( ( ((K)-(B))^2+(x-(A))^2)/(E))+(C)", "sqrt(-(x-(A))^2+(E)*((K)-(B))^2)+(C)",
     "sqrt(-((K)-(B))^2+(E)*(x-(A))^2)+(C)"},
    {"sqrt(-(x-(A))^2+(E)*((K)-(C))^2)+(B)", "sqrt( ( ((K)-(C))^2+(x-(A))^2)/(E))+(B)",
     "sqrt(-((K)-(C))^2+(E)*(x-(A))^2)+(B)"},
};

SectionFormulas coneSection(const TConeRecord& c, const TCuttingPlane& plane) {
    const Values v{{'K', plane.k}, {'A', c.x1}, {'B', c.y1}, {'C', c.z1}, {'E', c.beta}};
    return pair(ConeCuts[plane.kind - 1][c.kind - 1], v);
}

bool validKind(int kind) { return kind >= 1 && kind <= 3; }

}  // namespace

SectionFormulas sectionFormulas(int sectionKind, const TCuttingPlane& plane, const SectionObjects& objects) {
    if (!validKind(plane.kind)) return {};
    switch (sectionKind) {
        case 1: return surfaceSection(objects.surface, plane);
        case 2:
            if (!plane.present || !objects.sphere.present) return {};
            return sphereSection(objects.sphere, plane);
        case 3:
            if (!plane.present || !objects.cylinder.present || !validKind(objects.cylinder.kind)) return {};
            return cylinderSection(objects.cylinder, plane);
        case 4:
            if (!plane.present || !objects.cone.present || !validKind(objects.cone.kind)) return {};
            return coneSection(objects.cone, plane);
        default: return {};
    }
}

SectionBounds sectionBounds(int planeKind, const TSpaceFrame& frame) {
    switch (planeKind) {
        case 1: return {frame.ymin, frame.ymax, frame.zmin, frame.zmax};
        case 2: return {frame.xmin, frame.xmax, frame.zmin, frame.zmax};
        default: return {frame.xmin, frame.xmax, frame.ymin, frame.ymax};
    }
}
