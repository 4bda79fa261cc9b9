@echo off
rem Keeps the answer in the variable name through a generated file: Tovask
rem writes  set "name=..."  into it, and "call" runs it. Two apostrophes in
rem the template stand for a double quote; the quotes keep characters such
rem as ampersands in the answer from acting as commands.
rem Tovask.exe is looked for beside this script first, then on the PATH.
setlocal
set "PATH=%~dp0;%PATH%"
set "answer=%TEMP%\tovask-%RANDOM%.cmd"
Tovask "Your name" "set ''name=$input''^" "What is your name?" "Anna" ^
  > "%answer%"
if errorlevel 1 (
  del "%answer%"
  echo No name given.
  exit /b 1
)
call "%answer%"
del "%answer%"
echo Name: %name%
