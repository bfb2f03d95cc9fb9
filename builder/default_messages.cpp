#include "builder/default_messages.h"

namespace {

struct Texts {
    int32_t id;
    const char* en;
    const char* de;
    const char* fr;
    const char* es;
    const char* ja;
    const char* zhCN;
};

// UTF-8; every translation keeps the "{0}" of its English text.
const Texts defaultTexts[] = {
    {1000, "Error", "Fehler", "Erreur", "Error", "エラー", "错误"},
    {1001,
     "No Java runtime was found on this computer. Please define TESSEL_JAVA_HOME with the directory of an "
     "installed JDK or JRE.",
     "Auf diesem Computer wurde keine Java-Laufzeitumgebung gefunden. Bitte setzen Sie TESSEL_JAVA_HOME auf das "
     "Verzeichnis eines installierten JDK oder JRE.",
     "Aucun environnement d'exécution Java n'a été trouvé sur cet ordinateur. Veuillez définir TESSEL_JAVA_HOME avec "
     "le répertoire d'un JDK ou JRE installé.",
     "No se encontró ningún entorno de ejecución de Java en este equipo. Defina TESSEL_JAVA_HOME con el directorio "
     "de un JDK o JRE instalado.",
     "このコンピューターに Java ランタイムが見つかりません。インストール済みの JDK または JRE のディレクトリを "
     "TESSEL_JAVA_HOME に設定してください。",
     "在此计算机上找不到 Java 运行时环境。请将 TESSEL_JAVA_HOME 设置为已安装的 JDK 或 JRE 的目录。"},
    {1002,
     "The Java runtime in the search path is damaged. Please reinstall it or define TESSEL_JAVA_HOME.",
     "Die Java-Laufzeitumgebung im Suchpfad ist beschädigt. Bitte installieren Sie sie neu oder setzen Sie "
     "TESSEL_JAVA_HOME.",
     "L'environnement d'exécution Java du chemin de recherche est endommagé. Veuillez le réinstaller ou définir "
     "TESSEL_JAVA_HOME.",
     "El entorno de ejecución de Java de la ruta de búsqueda está dañado. Reinstálelo o defina TESSEL_JAVA_HOME.",
     "検索パス上の Java ランタイムが破損しています。再インストールするか、TESSEL_JAVA_HOME を設定してください。",
     "搜索路径中的 Java 运行时环境已损坏。请重新安装，或设置 TESSEL_JAVA_HOME。"},
    {1003, "The environment variable {0} does not point to a working JDK or JRE.",
     "Die Umgebungsvariable {0} verweist auf kein funktionsfähiges JDK oder JRE.",
     "La variable d'environnement {0} ne désigne pas un JDK ou JRE fonctionnel.",
     "La variable de entorno {0} no apunta a un JDK o JRE que funcione.",
     "環境変数 {0} が、動作する JDK または JRE を指していません。",
     "环境变量 {0} 未指向可用的 JDK 或 JRE。"},
    {1004, "The Java runtime in {0} is damaged. Please reinstall it or define TESSEL_JAVA_HOME.",
     "Die Java-Laufzeitumgebung in {0} ist beschädigt. Bitte installieren Sie sie neu oder setzen Sie "
     "TESSEL_JAVA_HOME.",
     "L'environnement d'exécution Java de {0} est endommagé. Veuillez le réinstaller ou définir TESSEL_JAVA_HOME.",
     "El entorno de ejecución de Java de {0} está dañado. Reinstálelo o defina TESSEL_JAVA_HOME.",
     "{0} の Java ランタイムが破損しています。再インストールするか、TESSEL_JAVA_HOME を設定してください。",
     "{0} 中的 Java 运行时环境已损坏。请重新安装，或设置 TESSEL_JAVA_HOME。"},
    {1005,
     "The Java virtual machine could not be started. The maximum heap size (-Xmx) may be too large, or an "
     "antivirus or firewall program may be blocking it.",
     "Die Java Virtual Machine konnte nicht gestartet werden. Möglicherweise ist die maximale Heap-Größe (-Xmx) zu "
     "groß, oder ein Antiviren- oder Firewall-Programm blockiert sie.",
     "La machine virtuelle Java n'a pas pu démarrer. La taille maximale du tas (-Xmx) est peut-être trop grande, "
     "ou un antivirus ou un pare-feu la bloque.",
     "No se pudo iniciar la máquina virtual de Java. Puede que el tamaño máximo del heap (-Xmx) sea demasiado "
     "grande o que un antivirus o cortafuegos la esté bloqueando.",
     "Java 仮想マシンを起動できませんでした。最大ヒープ サイズ (-Xmx) が大きすぎるか、ウイルス対策ソフトまたは"
     "ファイアウォールがブロックしている可能性があります。",
     "无法启动 Java 虚拟机。最大堆大小 (-Xmx) 可能过大，或者防病毒软件或防火墙阻止了它。"},
    {1006, "The file or directory {0} was not found or is empty.",
     "Die Datei oder das Verzeichnis {0} wurde nicht gefunden oder ist leer.",
     "Le fichier ou le répertoire {0} est introuvable ou vide.",
     "No se encontró el archivo o directorio {0}, o está vacío.",
     "ファイルまたはディレクトリ {0} が見つからないか、空です。",
     "找不到文件或目录 {0}，或者它为空。"},
    {1007, "Invalid parameters.", "Ungültige Parameter.", "Paramètres non valides.", "Parámetros no válidos.",
     "パラメーターが無効です。", "参数无效。"},
    {1008, "The environment variable {0} must be defined.", "Die Umgebungsvariable {0} muss gesetzt sein.",
     "La variable d'environnement {0} doit être définie.", "Debe definirse la variable de entorno {0}.",
     "環境変数 {0} を定義する必要があります。", "必须定义环境变量 {0}。"},
    {1009, "An internal error occurred (error code {0}).", "Ein interner Fehler ist aufgetreten (Fehlercode {0}).",
     "Une erreur interne s'est produite (code d'erreur {0}).", "Se produjo un error interno (código de error {0}).",
     "内部エラーが発生しました (エラー コード {0})。", "发生内部错误（错误代码 {0}）。"},
    {1010, "The main class could not be loaded.", "Die Hauptklasse konnte nicht geladen werden.",
     "La classe principale n'a pas pu être chargée.", "No se pudo cargar la clase principal.",
     "メイン クラスを読み込めませんでした。", "无法加载主类。"},
    {1011, "The main method was not found.", "Die main-Methode wurde nicht gefunden.",
     "La méthode main est introuvable.", "No se encontró el método main.", "main メソッドが見つかりません。",
     "找不到 main 方法。"},
    {1012, "Error", "Fehler", "Erreur", "Error", "エラー", "错误"},
    {1013, "OK", "OK", "OK", "Aceptar", "OK", "确定"},
    {1014, "Error while starting {0}:", "Fehler beim Starten von {0}:", "Erreur lors du démarrage de {0} :",
     "Error al iniciar {0}:", "{0} の起動中にエラーが発生しました:", "启动 {0} 时出错："},
    {1015, "You must be at least a power user to start this program.",
     "Sie müssen mindestens Hauptbenutzer sein, um dieses Programm zu starten.",
     "Vous devez être au moins utilisateur avec pouvoir pour lancer ce programme.",
     "Debe ser al menos usuario avanzado para iniciar este programa.",
     "このプログラムを起動するには、Power Users 以上の権限が必要です。",
     "您必须至少是 Power Users 组的成员才能启动此程序。"},
    {1016,
     "No Java runtime was found. Please define TESSEL_JAVA_HOME with the directory of an installed {0}-bit JDK "
     "or JRE, or download Java.",
     "Es wurde keine Java-Laufzeitumgebung gefunden. Bitte setzen Sie TESSEL_JAVA_HOME auf das Verzeichnis eines "
     "installierten {0}-Bit-JDK oder -JRE, oder laden Sie Java herunter.",
     "Aucun environnement d'exécution Java n'a été trouvé. Veuillez définir TESSEL_JAVA_HOME avec le répertoire "
     "d'un JDK ou JRE {0} bits installé, ou téléchargez Java.",
     "No se encontró ningún entorno de ejecución de Java. Defina TESSEL_JAVA_HOME con el directorio de un JDK o "
     "JRE de {0} bits instalado, o descargue Java.",
     "Java ランタイムが見つかりません。インストール済みの {0} ビット JDK または JRE のディレクトリを "
     "TESSEL_JAVA_HOME に設定するか、Java をダウンロードしてください。",
     "找不到 Java 运行时环境。请将 TESSEL_JAVA_HOME 设置为已安装的 {0} 位 JDK 或 JRE 的目录，或者下载 Java。"},
    {1017, "The environment variable {0} does not point to a working 32-bit JDK or JRE.",
     "Die Umgebungsvariable {0} verweist auf kein funktionsfähiges 32-Bit-JDK oder -JRE.",
     "La variable d'environnement {0} ne désigne pas un JDK ou JRE 32 bits fonctionnel.",
     "La variable de entorno {0} no apunta a un JDK o JRE de 32 bits que funcione.",
     "環境変数 {0} が、動作する 32 ビット JDK または JRE を指していません。",
     "环境变量 {0} 未指向可用的 32 位 JDK 或 JRE。"},
    {1018, "The environment variable {0} does not point to a working 64-bit JDK or JRE.",
     "Die Umgebungsvariable {0} verweist auf kein funktionsfähiges 64-Bit-JDK oder -JRE.",
     "La variable d'environnement {0} ne désigne pas un JDK ou JRE 64 bits fonctionnel.",
     "La variable de entorno {0} no apunta a un JDK o JRE de 64 bits que funcione.",
     "環境変数 {0} が、動作する 64 ビット JDK または JRE を指していません。",
     "环境变量 {0} 未指向可用的 64 位 JDK 或 JRE。"},
    {1019,
     "The Java runtime in {0} is damaged. Please reinstall it or define TESSEL_JAVA_HOME with a 32-bit JDK or JRE.",
     "Die Java-Laufzeitumgebung in {0} ist beschädigt. Bitte installieren Sie sie neu oder setzen Sie "
     "TESSEL_JAVA_HOME auf ein 32-Bit-JDK oder -JRE.",
     "L'environnement d'exécution Java de {0} est endommagé. Veuillez le réinstaller ou définir TESSEL_JAVA_HOME "
     "avec un JDK ou JRE 32 bits.",
     "El entorno de ejecución de Java de {0} está dañado. Reinstálelo o defina TESSEL_JAVA_HOME con un JDK o JRE "
     "de 32 bits.",
     "{0} の Java ランタイムが破損しています。再インストールするか、32 ビット JDK または JRE を "
     "TESSEL_JAVA_HOME に設定してください。",
     "{0} 中的 Java 运行时环境已损坏。请重新安装，或将 TESSEL_JAVA_HOME 设置为 32 位 JDK 或 JRE。"},
    {1020,
     "The Java runtime in {0} is damaged. Please reinstall it or define TESSEL_JAVA_HOME with a 64-bit JDK or JRE.",
     "Die Java-Laufzeitumgebung in {0} ist beschädigt. Bitte installieren Sie sie neu oder setzen Sie "
     "TESSEL_JAVA_HOME auf ein 64-Bit-JDK oder -JRE.",
     "L'environnement d'exécution Java de {0} est endommagé. Veuillez le réinstaller ou définir TESSEL_JAVA_HOME "
     "avec un JDK ou JRE 64 bits.",
     "El entorno de ejecución de Java de {0} está dañado. Reinstálelo o defina TESSEL_JAVA_HOME con un JDK o JRE "
     "de 64 bits.",
     "{0} の Java ランタイムが破損しています。再インストールするか、64 ビット JDK または JRE を "
     "TESSEL_JAVA_HOME に設定してください。",
     "{0} 中的 Java 运行时环境已损坏。请重新安装，或将 TESSEL_JAVA_HOME 设置为 64 位 JDK 或 JRE。"},
};

}  // namespace

const std::vector<std::string>& translatedLocales() {
    static const std::vector<std::string> locales = {"de", "es", "fr", "ja", "zh_CN"};
    return locales;
}

std::string defaultMessage(int32_t id, const std::string& locale) {
    for (const Texts& texts : defaultTexts) {
        if (texts.id != id) continue;
        const char* text = locale == "en"      ? texts.en
                           : locale == "de"    ? texts.de
                           : locale == "fr"    ? texts.fr
                           : locale == "es"    ? texts.es
                           : locale == "ja"    ? texts.ja
                           : locale == "zh_CN" ? texts.zhCN
                                               : "";
        return text;
    }
    return {};
}
