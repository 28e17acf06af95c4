// The program folder: which folder it is, and the user's folder filled from
// the installed defaults once, never overwriting what the user has there.

#include "programa/carpeta_programa.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>

#include "comun/carpeta_temporal.hpp"

namespace rumbal {
namespace {

namespace fs = std::filesystem;
using prueba::escribe;
using prueba::lee;

const char* const catalogos[] = {"elipsoide.txt", "parametros.txt", "atributos.txt", "varios.txt", "marref.txt"};

// Defaults whose bytes tell them apart, the sound and the guide included.
void escribepredeterminados(const fs::path& carpeta) {
    fs::create_directories(carpeta);
    for (const std::string& nombre : archivospredeterminados())
        escribe(carpeta / nombre, "predeterminado " + nombre + "\r\n");
}

TEST(CarpetaPrograma, LosPredeterminadosSonLosCincoCatalogosElSonidoYLaGuia) {
    EXPECT_EQ(archivospredeterminados(),
              (std::vector<std::string>{"elipsoide.txt", "parametros.txt", "atributos.txt", "varios.txt", "marref.txt",
                                        "save.wav", "Rumbal 1.0.1 Guía del usuario.pdf"}));
}

struct CasoUsuario {
    const char* xdg;
    const char* home;
    const char* carpeta;
};

const CasoUsuario usuarios[] = {
    {nullptr, "/home/ana", "/home/ana/.local/share/Rumbal"},
    {"", "/home/ana", "/home/ana/.local/share/Rumbal"},
    {"/datos/ana", "/home/ana", "/datos/ana/Rumbal"},
    {"/datos/ana/", "/home/ana", "/datos/ana/Rumbal"},
    {"/datos/ana", nullptr, "/datos/ana/Rumbal"},
    {"relativa/datos", "/home/ana", "relativa/datos/Rumbal"},
    {nullptr, "/home//ana/", "/home/ana/.local/share/Rumbal"},
    {nullptr, "/home/ana/../beto", "/home/beto/.local/share/Rumbal"},
    {nullptr, "/home//ana/../beto/", "/home/beto/.local/share/Rumbal"},
    {nullptr, nullptr, "/.local/share/Rumbal"},
    {nullptr, "", "/.local/share/Rumbal"},
};

TEST(CarpetaPrograma, CarpetaDelUsuario) {
    for (const auto& c : usuarios)
        EXPECT_EQ(carpetausuario(c.xdg, c.home), fs::path(c.carpeta))
            << (c.xdg ? c.xdg : "(sin XDG_DATA_HOME)") << " " << (c.home ? c.home : "(sin HOME)");
}

// rumbal-lote names the folder without Qt; the program asks Qt. The same
// environment must give both the same folder (Qt needs a HOME).
TEST(CarpetaPrograma, LaMismaCarpetaQueDaQt) {
    QCoreApplication::setApplicationName(QStringLiteral("Rumbal"));
    const std::string xdgantes = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const bool habiaxdg = std::getenv("XDG_DATA_HOME") != nullptr;
    const std::string homeantes = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const auto& c : usuarios) {
        if (!c.home) continue;
        if (c.xdg)
            setenv("XDG_DATA_HOME", c.xdg, 1);
        else
            unsetenv("XDG_DATA_HOME");
        setenv("HOME", c.home, 1);
        const fs::path qt = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
        EXPECT_EQ(carpetausuario(c.xdg, c.home).lexically_normal(), qt.lexically_normal())
            << (c.xdg ? c.xdg : "(sin XDG_DATA_HOME)") << " " << c.home;
    }
    if (habiaxdg)
        setenv("XDG_DATA_HOME", xdgantes.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    setenv("HOME", homeantes.c_str(), 1);
}

struct CasoEleccion {
    bool instalado;
    bool escribible;
    fs::path carpeta;
    fs::path predeterminados;
};

TEST(CarpetaPrograma, Eleccion) {
    const CasoEleccion casos[] = {
        // A build: its own folder, as always, nothing copied.
        {false, true, "/obra/bin", ""},
        // A build folder the user cannot write: the user's folder, from it.
        {false, false, "/home/ana/.local/share/Rumbal", "/obra/bin"},
        // Installed: the user's folder, from the installed defaults, whoever
        // may write beside the executable.
        {true, false, "/home/ana/.local/share/Rumbal", "/obra/share/rumbal"},
        {true, true, "/home/ana/.local/share/Rumbal", "/obra/share/rumbal"},
    };
    for (const auto& c : casos) {
        const auto e =
            eligecarpeta("/obra/bin", "/home/ana/.local/share/Rumbal", "../share/rumbal", c.instalado, c.escribible);
        EXPECT_EQ(e.carpeta, c.carpeta) << c.instalado << c.escribible;
        EXPECT_EQ(e.predeterminados, c.predeterminados) << c.instalado << c.escribible;
    }
}

// A folder with the installed defaults, to fill the user's folder from.
class Completar : public ::testing::Test {
protected:
    void SetUp() override { escribepredeterminados(t / "instalados"); }
    prueba::CarpetaTemporal t;
};

TEST_F(Completar, PrimerArranqueCopiaTodoYNoDejaCopiasAMedias) {
    const fs::path usuario = t.ruta() / "casa" / ".local" / "share" / "Rumbal";
    EXPECT_TRUE(completacarpeta(usuario, t / "instalados").bien());
    std::vector<std::string> hay;
    for (const auto& a : fs::directory_iterator(usuario)) hay.push_back(a.path().filename().string());
    std::sort(hay.begin(), hay.end());
    auto esperados = archivospredeterminados();
    std::sort(esperados.begin(), esperados.end());
    EXPECT_EQ(hay, esperados);  // no scratch file left
    for (const std::string& nombre : archivospredeterminados())
        EXPECT_EQ(lee(usuario / nombre), "predeterminado " + nombre + "\r\n") << nombre;
}

TEST_F(Completar, LoDelUsuarioNoSeReemplazaYLoQueFaltaVuelve) {
    const fs::path usuario = t / "Rumbal";
    ASSERT_TRUE(completacarpeta(usuario, t / "instalados").bien());
    // The user edits one catalogue, deletes another and keeps a file of their own.
    escribe(usuario / "elipsoide.txt", "\"Mio\",6378000,298,0,0,0\r\n");
    fs::remove(usuario / "marref.txt");
    escribe(usuario / "resultados.txt", "P1\r\n");
    // A newer version installs other defaults.
    for (const char* nombre : catalogos) escribe(t / "instalados" / nombre, "otra version\r\n");
    EXPECT_TRUE(completacarpeta(usuario, t / "instalados").bien());
    EXPECT_EQ(lee(usuario / "elipsoide.txt"), "\"Mio\",6378000,298,0,0,0\r\n");
    EXPECT_EQ(lee(usuario / "parametros.txt"), "predeterminado parametros.txt\r\n");
    EXPECT_EQ(lee(usuario / "marref.txt"), "otra version\r\n");
    EXPECT_EQ(lee(usuario / "resultados.txt"), "P1\r\n");
}

TEST_F(Completar, UnEnlaceDelUsuarioQuedaAunqueNoApunteANada) {
    fs::create_directories(t / "Rumbal");
    fs::create_symlink(t / "en-otro-disco" / "varios.txt", t / "Rumbal" / "varios.txt");
    EXPECT_TRUE(completacarpeta(t / "Rumbal", t / "instalados").bien());
    EXPECT_TRUE(fs::is_symlink(t / "Rumbal" / "varios.txt"));
    EXPECT_FALSE(fs::exists(t / "en-otro-disco"));
}

// The installed files are read-only; the copies must be the user's to change.
TEST_F(Completar, LasCopiasPuedenModificarse) {
    for (const auto& a : fs::directory_iterator(t / "instalados"))
        fs::permissions(a.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_TRUE(completacarpeta(t / "Rumbal", t / "instalados").bien());
    for (const char* nombre : catalogos) {
        const auto permisos = fs::status(t / "Rumbal" / nombre).permissions();
        EXPECT_EQ(permisos & (fs::perms::owner_read | fs::perms::owner_write),
                  fs::perms::owner_read | fs::perms::owner_write)
            << nombre;
    }
}

TEST_F(Completar, UnPredeterminadoQueFaltaSePasaPorAlto) {
    fs::remove(t / "instalados" / "save.wav");
    EXPECT_TRUE(completacarpeta(t / "Rumbal", t / "instalados").bien());
    EXPECT_FALSE(fs::exists(t / "Rumbal" / "save.wav"));
    EXPECT_TRUE(fs::exists(t / "Rumbal" / "varios.txt"));
}

TEST_F(Completar, UnArchivoEnLugarDeLaCarpetaSeDice) {
    escribe(t / "Rumbal", "no soy una carpeta");
    const auto completa = completacarpeta(t / "Rumbal", t / "instalados");
    ASSERT_FALSE(completa.bien());
    EXPECT_EQ(completa.error().motivo, "no se puede crear la carpeta del programa " + (t / "Rumbal").string() +
                                           ": ya existe y no es una carpeta");
    EXPECT_EQ(lee(t / "Rumbal"), "no soy una carpeta");
}

TEST_F(Completar, UnaCopiaQueNoPuedeEscribirseSeDice) {
    fs::create_directories(t / "Rumbal");
    // A file in the way of the scratch copy's name cannot be made by anyone,
    // root included: the scratch name of this process is a folder.
    fs::create_directories(t / "Rumbal" / (".elipsoide.txt." + std::to_string(::getpid())));
    const auto completa = completacarpeta(t / "Rumbal", t / "instalados");
    ASSERT_FALSE(completa.bien());
    const std::string& motivo = completa.error().motivo;
    EXPECT_TRUE(motivo.starts_with("no se puede copiar " + (t / "instalados" / "elipsoide.txt").string() + " a " +
                                   (t / "Rumbal" / "elipsoide.txt").string() + ": "))
        << motivo;
    EXPECT_FALSE(fs::exists(t / "Rumbal" / "elipsoide.txt"));
}

// Real folders: an installed layout, a build, a build folder the user
// cannot write.
class Instalacion : public ::testing::Test {
protected:
    void SetUp() override {
        bin = t / "usr" / "bin";
        fs::create_directories(bin);
        usuario = t / "casa" / "Rumbal";
    }
    prueba::CarpetaTemporal t;
    fs::path bin;
    fs::path usuario;
};

TEST_F(Instalacion, InstaladoUsaLaCarpetaDelUsuarioLlenaDesdeLosInstalados) {
    escribepredeterminados(t / "usr" / "share" / "rumbal");
    // Even where the executable's folder can be written (root, or a prefix
    // in the user's home), the installed files stay as installed. A relative
    // user folder is named whole.
    const fs::path antes = fs::current_path();
    fs::current_path(t.ruta());
    const auto c = preparacarpeta(bin, "casa/./Rumbal", "../share/rumbal");
    fs::current_path(antes);
    EXPECT_EQ(c.carpeta, usuario);
    EXPECT_EQ(c.aviso, "");
    for (const char* nombre : catalogos)
        EXPECT_EQ(lee(usuario / nombre), "predeterminado " + std::string(nombre) + "\r\n");
    EXPECT_FALSE(fs::exists(bin / "elipsoide.txt"));
}

TEST_F(Instalacion, UnaCompilacionUsaSuPropiaCarpeta) {
    escribepredeterminados(bin);
    escribe(bin / "varios.txt", "4,4,3\r\n");
    const auto c = preparacarpeta(bin, usuario, "../share/rumbal");
    EXPECT_EQ(c.carpeta, bin);
    EXPECT_EQ(c.aviso, "");
    EXPECT_FALSE(fs::exists(usuario));
    EXPECT_EQ(lee(bin / "varios.txt"), "4,4,3\r\n");
}

TEST_F(Instalacion, SinLaCarpetaDelUsuarioPosibleSeDiceYSeSigueConElla) {
    escribepredeterminados(t / "usr" / "share" / "rumbal");
    escribe(t / "casa", "un archivo donde iría la carpeta");
    const auto c = preparacarpeta(bin, usuario, "../share/rumbal");
    EXPECT_EQ(c.carpeta, usuario);
    EXPECT_TRUE(c.aviso.starts_with("No se puede crear la carpeta del programa " + usuario.string() + ": ")) << c.aviso;
}

// A build folder without write permission for the user: the user's folder,
// filled from the build folder on the first start and left as the user
// leaves it afterwards. Permission bits do not stop root, so as root the
// starts run in a child process as the user "nobody" (65534), for whom the
// root-owned build folder really cannot be written.
std::string arrancasinpermiso(const fs::path& bin, const fs::path& usuario) {
    int tubo[2];
    if (::pipe(tubo) != 0) return "sin tubo";
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::close(tubo[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        const auto c = preparacarpeta(bin, usuario, "../share/rumbal");
        const std::string respuesta = c.carpeta.string() + "|" + c.aviso;
        const bool escrito =
            ::write(tubo[1], respuesta.data(), respuesta.size()) == static_cast<ssize_t>(respuesta.size());
        ::_exit(escrito ? 0 : 4);
    }
    ::close(tubo[1]);
    std::string respuesta;
    char bloque[512];
    for (ssize_t n; (n = ::read(tubo[0], bloque, sizeof bloque)) > 0;)
        respuesta.append(bloque, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return "el proceso hijo terminó con " + std::to_string(estado);
    return respuesta;
}

TEST_F(Instalacion, UnaCarpetaSinPermisoDeEscrituraLlevaALaDelUsuarioLlenaUnaSolaVez) {
    escribepredeterminados(bin);
    fs::create_directories(usuario.parent_path());
    const bool raiz = ::geteuid() == 0;
    if (raiz) {
        // Everything the user "nobody" reads is readable by all; the home is its own.
        for (const fs::path& p : {t.ruta(), t / "usr", bin}) fs::permissions(p, fs::perms(0755));
        ASSERT_EQ(::chown(usuario.parent_path().c_str(), 65534, 65534), 0);
    } else {
        fs::permissions(bin, fs::perms(0555));
    }
    EXPECT_EQ(arrancasinpermiso(bin, usuario), usuario.string() + "|");
    for (const char* nombre : catalogos)
        EXPECT_EQ(lee(usuario / nombre), "predeterminado " + std::string(nombre) + "\r\n") << nombre;
    EXPECT_EQ(lee(usuario / "save.wav"), "predeterminado save.wav\r\n");
    // The user changes a catalogue; the next start keeps it.
    escribe(usuario / "atributos.txt", "\"Mojon\"\r\n");
    EXPECT_EQ(arrancasinpermiso(bin, usuario), usuario.string() + "|");
    EXPECT_EQ(lee(usuario / "atributos.txt"), "\"Mojon\"\r\n");
    EXPECT_EQ(lee(bin / "atributos.txt"), "predeterminado atributos.txt\r\n");
    if (!raiz) fs::permissions(bin, fs::perms(0755));
}

}  // namespace
}  // namespace rumbal
