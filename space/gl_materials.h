#pragma once
// The materials of the space view's objects and the way they are applied.

#include <GL/gl.h>
#include <array>

struct Material {
    std::array<GLfloat, 4> ambient, diffuse, specular;
};

inline constexpr Material BlueMaterial{{0, 0, 0.5f, 1}, {0, 0, 0.7f, 1}, {0, 0, 0, 1}};
inline constexpr Material RedMaterial{{0.5f, 0, 0, 1}, {0.7f, 0, 0, 1}, {1, 0, 0, 0}};
inline constexpr Material BlackMaterial{{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}};
inline constexpr Material GreenMaterial{{0, 0.5f, 0, 1}, {0, 0.7f, 0, 1}, {0, 1, 0, 1}};
inline constexpr Material YellowMaterial{{0.6f, 0.6f, 0, 1}, {0.5f, 0.5f, 0, 1}, {1, 1, 0, 1}};
inline constexpr Material StarMaterial{{0.6f, 0.6f, 0, 0.6f}, {0.5f, 0.5f, 0, 0.5f}, {1, 1, 1, 1}};

inline void applyMaterial(GLenum faces, const Material& material) {
    glMaterialfv(faces, GL_AMBIENT, material.ambient.data());
    glMaterialfv(faces, GL_DIFFUSE, material.diffuse.data());
    glMaterialfv(faces, GL_SPECULAR, material.specular.data());
}
