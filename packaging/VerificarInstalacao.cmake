# Installs the build into a scratch prefix and checks it as the desktop would see it: the files laid out,
# the desktop entry and the AppStream data valid, the MIME database buildable, and the installed programs
# working from there, the window finding its data in share/sulvo and seeding the user's folder from it.
#   cmake -DBUILD=<build folder> -DPREFIXO=<scratch prefix> -DID=<desktop id> -P VerificarInstalacao.cmake
file(REMOVE_RECURSE ${PREFIXO})

function(executar)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE saida ERROR_VARIABLE erros)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}\n${saida}${erros}")
    endif()
    set(saida "${saida}" PARENT_SCOPE)
endfunction()

executar(${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIXO})

set(esperados bin/sulvo bin/sulvo-calc share/sulvo/Sulvo.hlp share/sulvo/Cabecalho.jpg share/sulvo/Sobre.jpg
    share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml share/mime/packages/${ID}.xml
    share/man/man1/sulvo.1.gz share/man/man1/sulvo-calc.1.gz)
foreach(tabela RANGE 1 6)
    list(APPEND esperados share/sulvo/${tabela}.cdb)
endforeach()
foreach(lado 16 32 48 256)
    list(APPEND esperados share/icons/hicolor/${lado}x${lado}/apps/${ID}.png)
endforeach()
foreach(arquivo ${esperados})
    if(NOT EXISTS ${PREFIXO}/${arquivo})
        message(FATAL_ERROR "not installed: ${arquivo}")
    endif()
endforeach()

executar(desktop-file-validate ${PREFIXO}/share/applications/${ID}.desktop)
executar(appstreamcli validate --no-net --explain ${PREFIXO}/share/metainfo/${ID}.metainfo.xml)
executar(update-mime-database ${PREFIXO}/share/mime)
file(READ ${PREFIXO}/share/mime/globs2 globs)
if(NOT globs MATCHES "application/x-sulvo-project:\\*\\.svo")
    message(FATAL_ERROR "the MIME database does not map *.svo to application/x-sulvo-project:\n${globs}")
endif()

foreach(programa sulvo sulvo-calc)
    executar(${PREFIXO}/bin/${programa} --version)
    if(NOT saida MATCHES "^${programa} [0-9]+\\.[0-9]+\\.[0-9]+\n$")
        message(FATAL_ERROR "${programa} --version printed: ${saida}")
    endif()
endforeach()

# The installed window, stopped after its start: its writable files belong in the user's folder, seeded
# from share/sulvo, never in the prefix, even for a user (root) who could write there.
set(usuario ${PREFIXO}/dados-usuario)
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=${usuario}
                        timeout 5 ${PREFIXO}/bin/sulvo RESULT_VARIABLE status)
if(NOT status EQUAL 124)
    message(FATAL_ERROR "the installed sulvo ended by itself (${status}) instead of running its window")
endif()
foreach(arquivo 1.cdb 6.cdb Sulvo.hlp Cabecalho.jpg)
    if(NOT EXISTS ${usuario}/sulvo/${arquivo})
        message(FATAL_ERROR "the user's folder was not seeded with ${arquivo}")
    endif()
endforeach()
file(GLOB escritos ${PREFIXO}/bin/*.ini ${PREFIXO}/bin/.sulvo-*)
if(escritos)
    message(FATAL_ERROR "the installed sulvo wrote into its prefix: ${escritos}")
endif()
