@echo off
rem Keeps the answer in %name% through a generated file.
Tovask "Your name" "set ''name=$input''" "What is your name?" > "%TEMP%\tovask-name.cmd"
if errorlevel 1 goto cancelled
call "%TEMP%\tovask-name.cmd"
del "%TEMP%\tovask-name.cmd"
echo Hello, %name%!
goto :eof
:cancelled
del "%TEMP%\tovask-name.cmd"
echo No name given.
