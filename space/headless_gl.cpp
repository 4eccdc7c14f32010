#include "space/headless_gl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

namespace {

// The framebuffer calls are beyond OpenGL 1.1: they are looked up at run time.
struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
};

template <class Call>
Call lookUp(const char* name) {
    return reinterpret_cast<Call>(eglGetProcAddress(name));
}

const FramebufferCalls& framebufferCalls() {
    static const FramebufferCalls calls{
        lookUp<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers"),
        lookUp<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer"),
        lookUp<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffers"),
        lookUp<PFNGLGENRENDERBUFFERSPROC>("glGenRenderbuffers"),
        lookUp<PFNGLBINDRENDERBUFFERPROC>("glBindRenderbuffer"),
        lookUp<PFNGLDELETERENDERBUFFERSPROC>("glDeleteRenderbuffers"),
        lookUp<PFNGLRENDERBUFFERSTORAGEPROC>("glRenderbufferStorage"),
        lookUp<PFNGLFRAMEBUFFERRENDERBUFFERPROC>("glFramebufferRenderbuffer"),
        lookUp<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus"),
    };
    return calls;
}

}  // namespace

HeadlessGL::HeadlessGL(int width, int height) : width_(width), height_(height) {
    const auto platformDisplay = lookUp<PFNEGLGETPLATFORMDISPLAYEXTPROC>("eglGetPlatformDisplayEXT");
    EGLDisplay display =
        platformDisplay ? platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr) : nullptr;
    if (!display || !eglInitialize(display, nullptr, nullptr)) {
        error_ = "no surfaceless EGL display";
        return;
    }
    display_ = display;
    const EGLint wanted[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint found = 0;
    eglBindAPI(EGL_OPENGL_API);
    eglChooseConfig(display, wanted, &config, 1, &found);
    const EGLint version[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1, EGL_NONE};
    context_ = eglCreateContext(display, found ? config : EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, version);
    if (!context_ || !eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context_)) {
        error_ = "no OpenGL 2.1 context without a surface";
        return;
    }
    const FramebufferCalls& gl = framebufferCalls();
    gl.genFramebuffers(1, &framebuffer_);
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl.genRenderbuffers(2, renderbuffers_);
    gl.bindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[0]);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers_[0]);
    gl.bindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[1]);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffers_[1]);
    if (gl.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) error_ = "incomplete framebuffer";
}

HeadlessGL::~HeadlessGL() {
    if (context_) {
        const FramebufferCalls& gl = framebufferCalls();
        if (framebuffer_) gl.deleteFramebuffers(1, &framebuffer_);
        if (renderbuffers_[0]) gl.deleteRenderbuffers(2, renderbuffers_);
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display_, context_);
    }
    if (display_) eglTerminate(display_);
}

QImage HeadlessGL::picture() const {
    QImage picture(width_, height_, QImage::Format_RGBA8888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, picture.bits());
    // OpenGL counts rows from the bottom.
    return picture.mirrored().convertToFormat(QImage::Format_RGB32);
}
