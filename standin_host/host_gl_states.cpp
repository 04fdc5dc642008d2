// The host states by name.

#define GL_GLEXT_PROTOTYPES
#include "host_gl_states.h"

#include <GL/gl.h>

#include <cstring>
#include <utility>

namespace hudhost {

namespace {

//! The program of "glsl-program", made once in each context: it paints every fragment green.
GLuint GreenProgram()
{
    static GLuint sProgram = 0;
    if (sProgram != 0 && glIsProgram(sProgram)) return sProgram;
    const char* const kVertex = "#version 110\nvoid main() { gl_Position = ftransform(); }\n";
    const char* const kFragment = "#version 110\nvoid main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); }\n";
    sProgram = glCreateProgram();
    for (const auto& [lType, lSource] :
         {std::pair<GLenum, const char*>{GL_VERTEX_SHADER, kVertex}, {GL_FRAGMENT_SHADER, kFragment}}) {
        const GLuint lShader = glCreateShader(lType);
        glShaderSource(lShader, 1, &lSource, nullptr);
        glCompileShader(lShader);
        glAttachShader(sProgram, lShader);
        glDeleteShader(lShader);
    }
    glLinkProgram(sProgram);
    return sProgram;
}

//! The ARB assembly program of "arb-fragment-program", made once in each context: green too.
GLuint GreenAssemblyProgram()
{
    static GLuint sProgram = 0;
    if (sProgram != 0 && glIsProgramARB(sProgram)) return sProgram;
    const char kSource[] = "!!ARBfp1.0\nMOV result.color, {0.0, 1.0, 0.0, 1.0};\nEND\n";
    glGenProgramsARB(1, &sProgram);
    glBindProgramARB(GL_FRAGMENT_PROGRAM_ARB, sProgram);
    glProgramStringARB(GL_FRAGMENT_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB, static_cast<GLsizei>(std::strlen(kSource)),
                       kSource);
    return sProgram;
}

//! The buffer of "unpack-buffer", made once in each context: 16 bytes, far less than any upload
//! reads, so that an upload through it fails.
GLuint SmallBuffer()
{
    static GLuint sBuffer = 0;
    if (sBuffer != 0 && glIsBuffer(sBuffer)) return sBuffer;
    glGenBuffers(1, &sBuffer);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, sBuffer);
    glBufferData(GL_PIXEL_UNPACK_BUFFER, 16, nullptr, GL_STATIC_DRAW);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    return sBuffer;
}

//! Every part differs from what a dial's frame sets: colour, both matrices, matrix mode, blending,
//! depth test, line smoothing and width.
void SetMatricesAndBlending()
{
    glColor4f(0.25f, 0.5f, 0.75f, 0.125f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2.0, 3.0, -4.0, 5.0, -6.0, 7.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    glRotatef(30.0f, 0.0f, 0.0f, 1.0f);
    glMatrixMode(GL_TEXTURE);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_ONE, GL_ONE);
    glLineWidth(1.5f);
}

void SetTextureMatrix()
{
    glMatrixMode(GL_TEXTURE);
    glScalef(2.0f, 3.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
}

void SetStipples()
{
    GLubyte lPattern[128];
    for (int i = 0; i < 128; ++i) lPattern[i] = (i / 4) % 2 ? 0xAA : 0x55;
    glPolygonStipple(lPattern);
    glEnable(GL_POLYGON_STIPPLE);
    glLineStipple(1, 0x0F0F);
    glEnable(GL_LINE_STIPPLE);
}

const std::vector<HostGlStateEntry> kEntries = {
    {"matrices-and-blending", "odd matrices, matrix mode GL_TEXTURE, depth test, no blending", SetMatricesAndBlending,
     false},
    {"cull-back", "back-face culling on", [] { glEnable(GL_CULL_FACE); }, false},
    {"cull-clockwise", "culling with clockwise front faces",
     [] {
         glEnable(GL_CULL_FACE);
         glFrontFace(GL_CW);
     },
     false},
    {"glsl-program", "a GLSL program bound", [] { glUseProgram(GreenProgram()); }, false},
    {"texture-unit-1", "texture unit 1 active, server and client side",
     [] {
         glActiveTexture(GL_TEXTURE1);
         glClientActiveTexture(GL_TEXTURE1);
     },
     false},
    {"unpack-buffer", "a pixel-unpack buffer bound", [] { glBindBuffer(GL_PIXEL_UNPACK_BUFFER, SmallBuffer()); },
     false},
    {"unpack-strides", "unpack row length 7, skip pixels 3, skip rows 3, alignment 8",
     [] {
         glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
         glPixelStorei(GL_UNPACK_SKIP_PIXELS, 3);
         glPixelStorei(GL_UNPACK_SKIP_ROWS, 3);
         glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
     },
     false},
    {"unpack-byte-order", "unpack swap bytes and LSB first",
     [] {
         glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_TRUE);
         glPixelStorei(GL_UNPACK_LSB_FIRST, GL_TRUE);
     },
     false},
    {"pixel-transfer", "pixel transfer alpha scale 0.5, bias 0.25",
     [] {
         glPixelTransferf(GL_ALPHA_SCALE, 0.5f);
         glPixelTransferf(GL_ALPHA_BIAS, 0.25f);
     },
     false},
    {"wireframe", "polygon mode GL_LINE", [] { glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); }, false},
    {"flat-shading", "shade model GL_FLAT", [] { glShadeModel(GL_FLAT); }, false},
    {"lighting", "lighting on", [] { glEnable(GL_LIGHTING); }, false},
    {"alpha-test", "alpha test rejecting below 0.99",
     [] {
         glEnable(GL_ALPHA_TEST);
         glAlphaFunc(GL_GEQUAL, 0.99f);
     },
     false},
    {"texture-matrix", "a scaled texture matrix", SetTextureMatrix, false},
    {"blend-reverse-subtract", "blend equation GL_FUNC_REVERSE_SUBTRACT",
     [] { glBlendEquation(GL_FUNC_REVERSE_SUBTRACT); }, false},
    {"logic-op-xor", "colour logic op GL_XOR",
     [] {
         glEnable(GL_COLOR_LOGIC_OP);
         glLogicOp(GL_XOR);
     },
     false},
    {"texture-env-replace", "texture environment GL_REPLACE",
     [] { glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE); }, false},
    {"texture-1d", "GL_TEXTURE_1D on", [] { glEnable(GL_TEXTURE_1D); }, false},
    {"texture-2d", "GL_TEXTURE_2D on", [] { glEnable(GL_TEXTURE_2D); }, false},
    {"texture-cube-map", "GL_TEXTURE_CUBE_MAP and GL_TEXTURE_3D on",
     [] {
         glEnable(GL_TEXTURE_CUBE_MAP);
         glEnable(GL_TEXTURE_3D);
     },
     false},
    {"texture-gen", "texture coordinate generation on for s and t",
     [] {
         glEnable(GL_TEXTURE_GEN_S);
         glEnable(GL_TEXTURE_GEN_T);
     },
     false},
    {"stipple", "polygon and line stipple on, with patterns", SetStipples, false},
    {"polygon-smooth", "polygon smoothing on", [] { glEnable(GL_POLYGON_SMOOTH); }, false},
    {"color-sum", "secondary colour (0.5, 0, 0) added",
     [] {
         glSecondaryColor3f(0.5f, 0.0f, 0.0f);
         glEnable(GL_COLOR_SUM);
     },
     false},
    {"arb-fragment-program", "an ARB assembly fragment program on",
     [] {
         GreenAssemblyProgram();
         glEnable(GL_FRAGMENT_PROGRAM_ARB);
     },
     false},
    {"core-profile", "an OpenGL 3.3 core-profile context", nullptr, true},
};

} // namespace

const std::vector<HostGlStateEntry>& HostGlStates() { return kEntries; }

const HostGlStateEntry* FindHostGlState(const std::string& pName)
{
    for (const HostGlStateEntry& lEntry : kEntries)
        if (pName == lEntry.name) return &lEntry;
    return nullptr;
}

void SetInitialHostGlState()
{
    glUseProgram(0);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glSecondaryColor3f(0.0f, 0.0f, 0.0f);
    for (const int lCapability :
         {GL_BLEND, GL_DEPTH_TEST, GL_LINE_SMOOTH, GL_CULL_FACE, GL_LIGHTING, GL_ALPHA_TEST, GL_COLOR_LOGIC_OP,
          GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T,
          GL_POLYGON_STIPPLE, GL_LINE_STIPPLE, GL_POLYGON_SMOOTH, GL_COLOR_SUM, GL_FRAGMENT_PROGRAM_ARB})
        glDisable(static_cast<GLenum>(lCapability));
    glBlendFunc(GL_ONE, GL_ZERO);
    glBlendEquation(GL_FUNC_ADD);
    glLineWidth(1.0f);
    glFrontFace(GL_CCW);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glAlphaFunc(GL_ALWAYS, 0.0f);
    glLogicOp(GL_COPY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelTransferf(GL_ALPHA_SCALE, 1.0f);
    glPixelTransferf(GL_ALPHA_BIAS, 0.0f);
}

} // namespace hudhost
