// Whole files in and out: what a save keeps (permissions, links), what it refuses, and that a
// save failing at any step leaves the old file as it was and no temporary beside it.

#include "scenario/archivo_texto.h"
#include "support/archivos.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace hortelia;
namespace fs = std::filesystem;

namespace {

std::string Lee(const fs::path& ruta) { return prueba::LeeArchivo(ruta.string()); }
void Escribe(const fs::path& ruta, const std::string& texto) { std::ofstream(ruta, std::ios::binary) << texto; }

mode_t Permisos(const fs::path& ruta) {
    struct stat st {};
    ::lstat(ruta.c_str(), &st);
    return st.st_mode & 07777;
}

class ArchivoTexto : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(dir.empty());
        Escribe(viejo, "contenido viejo\r\n");
    }

    /// The names in the folder, to see that no temporary file was left.
    std::vector<std::string> Nombres() const {
        std::vector<std::string> r;
        for (const auto& x : fs::directory_iterator(dir)) r.push_back(x.path().filename().string());
        std::sort(r.begin(), r.end());
        return r;
    }

    const prueba::CarpetaTemporal carpeta;
    const fs::path dir = carpeta.ruta(), viejo = dir / "invernaculo.hrt";
};

}  // namespace

TEST_F(ArchivoTexto, ASaveKeepsThePermissionsAndANewFileFollowsTheUmask) {
    ::chmod(viejo.c_str(), 0600);
    ASSERT_TRUE(GuardaTexto(viejo.string(), "nuevo").ok);
    EXPECT_EQ(std::tuple(Lee(viejo), Permisos(viejo)), std::tuple("nuevo", 0600U));

    const mode_t antes = ::umask(027);
    const ResultadoArchivo r = GuardaTexto((dir / "nuevo.hrt").string(), "x");
    ::umask(antes);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(Permisos(dir / "nuevo.hrt"), 0640U);
}

// A link is written through to the file at the end of its chain and stays a link; a link to a
// file not there yet creates that file.
TEST_F(ArchivoTexto, ASymbolicLinkIsWrittenThroughAndStaysALink) {
    fs::create_directory(dir / "datos");
    Escribe(dir / "datos" / "real.hrt", "viejo");
    fs::create_symlink("datos/real.hrt", dir / "enlace.hrt");
    fs::create_symlink(dir / "enlace.hrt", dir / "enlace2.hrt");
    ASSERT_TRUE(GuardaTexto((dir / "enlace2.hrt").string(), "nuevo").ok);
    EXPECT_TRUE(fs::is_symlink(dir / "enlace2.hrt"));
    EXPECT_EQ(Lee(dir / "datos" / "real.hrt"), "nuevo");
    EXPECT_EQ(fs::read_symlink(dir / "enlace.hrt"), "datos/real.hrt");

    fs::create_symlink("datos/falta.hrt", dir / "colgado.hrt");
    ASSERT_TRUE(GuardaTexto((dir / "colgado.hrt").string(), "creado").ok);
    EXPECT_TRUE(fs::is_symlink(dir / "colgado.hrt"));
    EXPECT_EQ(Lee(dir / "datos" / "falta.hrt"), "creado");

    fs::create_symlink("ciclo.hrt", dir / "ciclo.hrt");
    EXPECT_FALSE(GuardaTexto((dir / "ciclo.hrt").string(), "x").ok);
}

// A folder, a pipe or a device is not replaced by a file: refused before anything
// is written.
TEST_F(ArchivoTexto, WhatIsNotARegularFileIsRefusedAndLeftAsItWas) {
    fs::create_directory(dir / "carpeta");
    ASSERT_EQ(::mkfifo((dir / "tuberia").c_str(), 0600), 0);
    const bool dispositivo = ::mknod((dir / "nulo").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    std::vector<std::pair<std::string, std::string>> casos{{"carpeta", "es una carpeta"},
                                                           {"tuberia", "es una tubería"}};
    if (dispositivo) casos.push_back({"nulo", "es un dispositivo"});
    const std::vector<std::string> antes = Nombres();
    for (const auto& [nombre, clase] : casos) {
        const fs::file_type tipo = fs::symlink_status(dir / nombre).type();
        const ResultadoArchivo r = GuardaTexto((dir / nombre).string(), "nuevo");
        EXPECT_FALSE(r.ok) << nombre;
        EXPECT_NE(r.mensaje.find("No se puede guardar"), std::string::npos) << r.mensaje;
        EXPECT_NE(r.mensaje.find("no es un archivo común (" + clase + ")"), std::string::npos) << r.mensaje;
        EXPECT_EQ(fs::symlink_status(dir / nombre).type(), tipo) << nombre;
    }
    EXPECT_EQ(Nombres(), antes);
    if (!dispositivo) GTEST_SKIP() << "mknod de un dispositivo requiere root: ese caso no se probó";
}

// Each step of a save made to fail, with and without files that have no name yet: the message
// names the step and the reason in Spanish, the old file is byte for byte what it was, and no
// temporary file is left, nor a file left open; a close that failed is not tried again on a
// number another file may have taken since.
TEST_F(ArchivoTexto, AFailedSaveLeavesTheOldFileAndNoTemporary) {
    const std::string viejoTexto = Lee(viejo);
    const std::string nuevo(100000, 'n');
    const auto falla = [](int error) { return errno = error, -1; };
    const auto abiertos = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto antes = abiertos();
    int otro = -1;
    const std::vector<std::pair<const char*, std::function<void(LlamadasGuardado&)>>> casos{
        {"no se pudo escribir el archivo (no queda espacio en el disco)",
         [&](LlamadasGuardado& l) { l.escribe = [&](int, const void*, std::size_t) { return falla(ENOSPC); }; }},
        {"no se pudo escribir el archivo (se agotó la cuota de disco del usuario)",  // partial, then the quota
         [&](LlamadasGuardado& l) {
             l.escribe = [&, veces = 0](int fd, const void* p, std::size_t n) mutable -> ssize_t {
                 return veces++ == 0 ? ::write(fd, p, n / 2) : falla(EDQUOT);
             };
         }},
        {"no se pudo asegurar el archivo en el disco (error de entrada o salida del disco)",
         [&](LlamadasGuardado& l) { l.sincroniza = [&](int) { return falla(EIO); }; }},
        {"no se pudo cerrar el archivo (error de entrada o salida del disco)",
         [&](LlamadasGuardado& l) {
             l.cierra = [&](int fd) { return ::close(fd), otro = ::open("/dev/null", O_RDONLY), falla(EIO); };
         }},
        {"no se pudo reemplazar el archivo anterior (no tiene permiso)",
         [&](LlamadasGuardado& l) { l.renombra = [&](const char*, const char*) { return falla(EACCES); }; }},
        {"no se pudo dar nombre al archivo (el disco es de solo lectura)",
         [&](LlamadasGuardado& l) { l.nombra = [&](int, const char*) { return falla(EROFS); }; }},
    };
    for (const bool sinNombre : {true, false}) {
        for (const auto& [fragmento, cambia] : casos) {
            LlamadasGuardado llamadas = LlamadasGuardado::Reales();
            if (!sinNombre) llamadas.abreSinNombre = [&](const char*, mode_t) { return falla(EOPNOTSUPP); };
            cambia(llamadas);
            const ResultadoArchivo r = GuardaTexto(viejo.string(), nuevo, llamadas);
            if (!sinNombre && std::string(fragmento).find("dar nombre") != std::string::npos) {
                EXPECT_TRUE(r.ok) << r.mensaje;  // a named temporary needs no naming
                Escribe(viejo, viejoTexto);
                continue;
            }
            EXPECT_FALSE(r.ok) << fragmento;
            EXPECT_EQ(r.mensaje, "No se puede guardar en \"" + viejo.string() + "\": " + fragmento + ".");
            EXPECT_EQ(Lee(viejo), viejoTexto) << fragmento;
            EXPECT_EQ(Nombres(), std::vector<std::string>{"invernaculo.hrt"}) << fragmento << sinNombre;
            if (otro >= 0) {
                EXPECT_EQ(::close(std::exchange(otro, -1)), 0) << "cerrado dos veces";
            }
            EXPECT_EQ(abiertos(), antes) << fragmento;
        }
        // A new file that fails after taking its name is removed again.
        LlamadasGuardado llamadas = LlamadasGuardado::Reales();
        if (!sinNombre) llamadas.abreSinNombre = [&](const char*, mode_t) { return falla(EOPNOTSUPP); };
        llamadas.cierra = [&](int fd) { return ::close(fd), falla(EIO); };
        EXPECT_FALSE(GuardaTexto((dir / "nuevo.hrt").string(), "x", llamadas).ok);
        EXPECT_EQ(Nombres(), std::vector<std::string>{"invernaculo.hrt"}) << sinNombre;
    }
    const ResultadoArchivo sinCarpeta = GuardaTexto((dir / "no" / "existe.hrt").string(), "x");
    EXPECT_FALSE(sinCarpeta.ok);
    EXPECT_NE(sinCarpeta.mensaje.find("no existe el archivo o la carpeta"), std::string::npos) << sinCarpeta.mensaje;
}

// A save killed at any moment leaves the target whole and at most one temporary of ours, which
// the next save into the folder removes once it is an hour old; other programs' look-alikes and
// a link named like ours stay, however old.
TEST_F(ArchivoTexto, AKilledSaveLeavesAtMostOneTemporaryThatTheNextSaveRemoves) {
    const std::string a(300000, 'a'), b(300000, 'b');
    const auto hace2Horas = fs::file_time_type::clock::now() - std::chrono::hours(2);
    Escribe(viejo, a);
    Escribe(dir / ".otro.hrt.hortelia-abc", "de otro programa");
    fs::last_write_time(dir / ".otro.hrt.hortelia-abc", hace2Horas);
    fs::create_symlink(".otro.hrt.hortelia-abc", dir / ".enlace.hrt.hortelia-ABC123");
    for (int vez = 0; vez < 20; ++vez) {
        const pid_t hijo = ::fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
            LlamadasGuardado llamadas = LlamadasGuardado::Reales();
            if (vez % 2) llamadas.abreSinNombre = [](const char*, mode_t) { return errno = EOPNOTSUPP, -1; };
            for (int k = 0;; ++k) GuardaTexto(viejo.string(), k % 2 ? a : b, llamadas);
        }
        ::usleep(static_cast<useconds_t>(2000 + 1500 * vez));
        ::kill(hijo, SIGKILL);
        ::waitpid(hijo, nullptr, 0);
        const std::string dentro = Lee(viejo);
        EXPECT_TRUE(dentro == a || dentro == b) << vez;
        std::vector<std::string> temporales;
        for (const std::string& n : Nombres())
            if (n.rfind(".invernaculo.hrt.hortelia-", 0) == 0) temporales.push_back(n);
        EXPECT_LE(temporales.size(), 1U) << vez;
        for (const std::string& t : temporales) fs::last_write_time(dir / t, hace2Horas);
        ASSERT_TRUE(GuardaTexto(viejo.string(), a).ok);
        EXPECT_EQ(Nombres(), (std::vector<std::string>{".enlace.hrt.hortelia-ABC123", ".otro.hrt.hortelia-abc",
                                                       "invernaculo.hrt"}))
            << vez;
    }
}

// Writes that take a few bytes at a time, or are interrupted by a signal, still write it all.
TEST_F(ArchivoTexto, PartialAndInterruptedWritesWriteEverything) {
    std::string nuevo;
    for (int i = 0; i < 5000; ++i) nuevo += std::to_string(i) + ",";
    LlamadasGuardado llamadas = LlamadasGuardado::Reales();
    int veces = 0;
    llamadas.escribe = [&](int fd, const void* p, std::size_t n) -> ssize_t {
        return ++veces % 2 == 0 ? (errno = EINTR, -1) : ::write(fd, p, std::min<std::size_t>(n, 7));
    };
    ASSERT_TRUE(GuardaTexto(viejo.string(), nuevo, llamadas).ok);
    EXPECT_EQ(Lee(viejo), nuevo);
    EXPECT_EQ(Nombres(), std::vector<std::string>{"invernaculo.hrt"});
}

// Reading takes only a regular file and never more than the limit and one byte, whatever
// its size says: a system file that says 0 bytes is read up to the limit and refused.
TEST_F(ArchivoTexto, ReadingStopsPastTheLimitAndRefusesWhatIsNotAFile) {
    Escribe(viejo, std::string(1024, 'a'));
    EXPECT_TRUE(LeeArchivoTexto(viejo.string(), 1024).ok);
    EXPECT_FALSE(LeeArchivoTexto(viejo.string(), 1023).ok);
    const ResultadoArchivo proc = LeeArchivoTexto("/proc/self/status", 16);
    EXPECT_FALSE(proc.ok);
    EXPECT_NE(proc.mensaje.find("demasiado grande: supera el límite de 16 bytes."), std::string::npos) << proc.mensaje;
    // One byte over says the limit in its own unit, not two sizes that read the same.
    std::filesystem::resize_file(viejo, kLimiteTablaClima + 1);
    EXPECT_NE(LeeArchivoTexto(viejo.string(), kLimiteTablaClima).mensaje.find("supera el límite de 10 MB."),
              std::string::npos);
    EXPECT_NE(LeeArchivoTexto(viejo.string(), 2048).mensaje.find("supera el límite de 2 KB."), std::string::npos);

    ASSERT_EQ(::mkfifo((dir / "tuberia").c_str(), 0600), 0);
    const ResultadoArchivo tuberia = LeeArchivoTexto((dir / "tuberia").string(), 1024);
    EXPECT_FALSE(tuberia.ok);
    EXPECT_NE(tuberia.mensaje.find("no es un archivo común (es una tubería)"), std::string::npos) << tuberia.mensaje;
    EXPECT_NE(LeeArchivoTexto((dir / "falta").string(), 1024).mensaje.find("No se puede abrir"), std::string::npos);
    // A name that would drive a terminal is shown escaped.
    const std::string mensaje = LeeArchivoTexto((dir / "x\x1b[2J").string(), 1024).mensaje;
    EXPECT_NE(mensaje.find("x\\x1B[2J\": no existe el archivo o la carpeta."), std::string::npos) << mensaje;
}
