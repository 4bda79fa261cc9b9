@echo off
rem Takes an answer that may hold double quotes itself. A parameter cannot
rem hold one, so the template has two apostrophes for each: Tovask writes
rem set "said=..."  and set keeps everything up to the last quote.
setlocal
set "PATH=%~dp0;%PATH%"
set "answer=%TEMP%\tovask-%RANDOM%.cmd"
Tovask "Quote" "set ''said=$input''^" "What did they say?" > "%answer%"
if errorlevel 1 (
  del "%answer%"
  echo Nothing said.
  exit /b 1
)
call "%answer%"
del "%answer%"
echo They said: %said%
