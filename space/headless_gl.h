#pragma once
// An OpenGL context without any window system (Mesa's surfaceless EGL
// display) that draws into a framebuffer object of a fixed size: the scene
// code is tested and measured with it on machines without a display.

#include <QImage>
#include <string>

class HeadlessGL {
public:
    HeadlessGL(int width, int height);
    ~HeadlessGL();
    HeadlessGL(const HeadlessGL&) = delete;
    HeadlessGL& operator=(const HeadlessGL&) = delete;

    // Whether the context is current and its framebuffer complete; if not, why.
    bool ready() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // What the framebuffer holds, top row first.
    QImage picture() const;

private:
    int width_, height_;
    std::string error_;
    void* display_ = nullptr;
    void* context_ = nullptr;
    unsigned framebuffer_ = 0;
    unsigned renderbuffers_[2] = {0, 0};
};
