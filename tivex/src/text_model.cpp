#include "text_model.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "text_util.h"

namespace tivex {

namespace {

enum Language : uint8_t {
    C,
    Cpp,
    CSharp,
    Java,
    Go,
    Rust,
    JavaScript,
    TypeScript,
    Php,
    Ruby,
    Perl,
    Pod,
    Python,
    Shell,
    Batch,
    PowerShell,
    VbScript,
    Makefile,
    CMake,
    Yaml,
    Toml,
    Ini,
    Css,
    Sql,
    Lua,
    Tcl,
    Vim,
    EmacsLisp,
    Markdown,
    ReStructuredText,
    AsciiDoc,
    MediaWiki,
    Textile,
    Assembly,
    Deb822,
    PostScript,
    Org,
    TeX,
    Troff,
    Html,
    Swift,
    Zig,
    Yara,
    Smali,
    Template,
    LanguageCount,
};

// The type each language is reported as. Debian control data has no extension of its
// own and is reported as plain text, so that it is not taken for YAML; so are templates
// (Jinja, Twig, Handlebars), which wrap any other language.
constexpr std::string_view LanguageTypes[LanguageCount] = {
    "c",   "cpp",  "cs",  "java", "go",  "rs",  "js",       "typescript", "php",   "rb",  "pl",
    "pod", "py",   "sh",  "bat",  "ps1", "vbs", "makefile", "cmake",      "yaml",  "toml", "ini",
    "css", "sql",  "lua", "tcl",  "vim", "elisp", "md",     "rst",        "adoc", "wiki", "textile", "asm", "text",  "ps",  "org", "tex", "troff", "html",
    "swift", "zig", "yara", "smali", "text",
};

struct LineRule {
    std::string_view prefix; // what the line starts with, after its indentation
    Language language;
    uint8_t weight;
};

// Line beginnings that mark a language, with how much each says. Distinctive ones weigh
// more; words shared by several languages give each a little.
constexpr LineRule LineRules[] = {
    {"#include <", C, 3}, {"#include \"", C, 3}, {"#define ", C, 3}, {"#ifdef ", C, 2}, {"#ifndef ", C, 2},
    {"#endif", C, 2}, {"#if ", C, 1}, {"#pragma ", C, 2}, {"typedef ", C, 3}, {"struct ", C, 1}, {"static ", C, 1},
    {"int main(", C, 3}, {"void ", C, 2}, {"extern ", C, 1}, {"unsigned ", C, 2}, {"const char *", C, 2},
    {"#include <iostream>", Cpp, 6}, {"#include <string>", Cpp, 5}, {"#include <vector>", Cpp, 5},
    {"#include <memory>", Cpp, 5}, {"#include <bits/", Cpp, 5}, {"namespace ", Cpp, 3}, {"template <", Cpp, 4},
    {"template<", Cpp, 4}, {"std::", Cpp, 3}, {"using namespace ", Cpp, 4}, {"public:", Cpp, 4},
    {"private:", Cpp, 4}, {"protected:", Cpp, 4}, {"class ", Cpp, 1}, {"virtual ", Cpp, 3}, {"_GLIBCXX_", Cpp, 5}, {"QT_BEGIN_NAMESPACE", Cpp, 6},
    {"using System", CSharp, 6}, {"[assembly:", CSharp, 5},
    {"public class ", Java, 3}, {"import java.", Java, 6}, {"import javax.", Java, 6}, {"import android.", Java, 5},
    {"@Override", Java, 3}, {"public static void main", Java, 4}, {"private final ", Java, 2},
    {"public interface ", Java, 2}, {"System.out.", Java, 4},
    {"package main", Go, 6}, {"func ", Go, 3}, {"import (", Go, 4}, {"import \"", Go, 4},
    {"fmt.", Go, 3}, {"if err != nil", Go, 5}, {"defer ", Go, 4}, {"go func", Go, 4},
    {"fn ", Rust, 4}, {"pub fn ", Rust, 5}, {"use std::", Rust, 6}, {"let mut ", Rust, 5}, {"impl ", Rust, 4},
    {"pub struct ", Rust, 4}, {"#[derive(", Rust, 6}, {"extern crate ", Rust, 6}, {"pub(crate)", Rust, 5},
    {"#![", Rust, 4}, {"pub mod ", Rust, 5}, {"pub enum ", Rust, 4},
    {"const ", JavaScript, 1}, {"let ", JavaScript, 1}, {"var ", JavaScript, 3}, {"function ", JavaScript, 2},
    {"module.exports", JavaScript, 5}, {"console.log(", JavaScript, 4}, {"export default ", JavaScript, 4},
    {"export function ", JavaScript, 4}, {"export const ", JavaScript, 4}, {"export class ", JavaScript, 4},
    {"export {", JavaScript, 4}, {"export * from", JavaScript, 5}, {"const {", JavaScript, 3}, {"'use strict'", JavaScript, 5},
    {"\"use strict\"", JavaScript, 5}, {"document.", JavaScript, 3}, {"window.", JavaScript, 3},
    {"})();", JavaScript, 4}, {"});", JavaScript, 2}, {"!function(", JavaScript, 6}, {"(function(", JavaScript, 5},
    {"(function (", JavaScript, 5}, {"define(", JavaScript, 3}, {"/*!", JavaScript, 2}, {"import {", JavaScript, 3},
    {"jQuery", JavaScript, 3}, {"exports.", JavaScript, 4}, {"Object.defineProperty(exports", JavaScript, 6}, {"this.", JavaScript, 2}, {"return function", JavaScript, 3},
    {"interface ", TypeScript, 3}, {"export interface ", TypeScript, 6}, {"export type ", TypeScript, 6},
    {"declare ", TypeScript, 5}, {"import type ", TypeScript, 6}, {"export enum ", TypeScript, 5},
    {"private readonly ", TypeScript, 5},
    {"<?php", Php, 10}, {"$this->", Php, 4},
    {"require '", Ruby, 3}, {"require_relative ", Ruby, 6}, {"end", Ruby, 1}, {"module ", Ruby, 2},
    {"attr_accessor ", Ruby, 6}, {"attr_reader ", Ruby, 6}, {"puts ", Ruby, 2}, {"elsif ", Ruby, 4}, {"elsif (", Perl, 8}, {"} elsif (", Perl, 6}, {"unless (", Perl, 5},
    {"unless ", Ruby, 3}, {"class << self", Ruby, 6},
    {"use strict;", Perl, 6}, {"use warnings", Perl, 6}, {"my $", Perl, 4}, {"my @", Perl, 5}, {"my %", Perl, 5},
    {"my (", Perl, 4}, {"1;", Perl, 3}, {"our $", Perl, 5}, {"our @", Perl, 5}, {"__END__", Perl, 3},
    {"return <<'", Perl, 6}, {"use vars ", Perl, 6}, {"use base ", Perl, 6}, {"use parent ", Perl, 6}, {"use constant ", Perl, 6},
    {"require Exporter", Perl, 6}, {"local $", Perl, 5}, {"return unless ", Perl, 4},
    {"=head1", Pod, 6}, {"=head2", Pod, 5}, {"=over", Pod, 4}, {"=item", Pod, 4}, {"=back", Pod, 4},
    {"=pod", Pod, 5}, {"=encoding", Pod, 6}, {"=begin", Pod, 4}, {"=for ", Pod, 4},
    {"from ", Python, 1}, {"elif ", Python, 4}, {"if __name__", Python, 6}, {"print(", Python, 2},
    {"self.", Python, 3}, {"\"\"\"", Python, 3}, {"'''", Python, 3}, {"@property", Python, 5},
    {"except ", Python, 4}, {"except:", Python, 5}, {"try:", Python, 4}, {"raise ", Python, 3},
    {"async def ", Python, 5}, {"@staticmethod", Python, 6}, {"@classmethod", Python, 6},
    {"if [", Shell, 4}, {"if [[", Shell, 5}, {"fi", Shell, 3}, {"then", Shell, 2}, {"esac", Shell, 5},
    {"done", Shell, 3}, {"export ", Shell, 1}, {"echo ", Shell, 2}, {"local ", Shell, 2}, {"set -e", Shell, 5},
    {"while read", Shell, 5}, {"shift", Shell, 2}, {"unset ", Shell, 3},
    {"@echo off", Batch, 10}, {"@ECHO OFF", Batch, 10}, {"REM ", Batch, 4}, {"rem ", Batch, 2},
    {"goto ", Batch, 3}, {"setlocal", Batch, 5}, {"SETLOCAL", Batch, 5}, {":: ", Batch, 4}, {"%~dp0", Batch, 6},
    {"param(", PowerShell, 5}, {"Param(", PowerShell, 5}, {"Write-Host ", PowerShell, 6},
    {"Write-Output ", PowerShell, 6}, {"[CmdletBinding()]", PowerShell, 8}, {"Import-Module ", PowerShell, 6},
    {"Set-StrictMode", PowerShell, 6}, {"$ErrorActionPreference", PowerShell, 6},
    {"Dim ", VbScript, 4}, {"Option Explicit", VbScript, 6}, {"End Sub", VbScript, 6}, {"End Function", VbScript, 6},
    {"Sub ", VbScript, 2}, {"WScript.", VbScript, 6}, {"On Error Resume Next", VbScript, 6},
    {".PHONY:", Makefile, 8}, {"all:", Makefile, 4}, {"clean:", Makefile, 4}, {"install:", Makefile, 3},
    {"include $(", Makefile, 5}, {"ifeq (", Makefile, 5}, {"ifneq (", Makefile, 5}, {"ifdef ", Makefile, 2},
    {"-include ", Makefile, 5}, {"$(", Makefile, 1}, {".SUFFIXES", Makefile, 6}, {"override ", Makefile, 3},
    {"cmake_minimum_required(", CMake, 10}, {"project(", CMake, 4}, {"set(", CMake, 4}, {"SET(", CMake, 4},
    {"if(", CMake, 2}, {"IF(", CMake, 3}, {"endif(", CMake, 6}, {"endif()", CMake, 6}, {"ENDIF(", CMake, 6},
    {"else()", CMake, 5}, {"ELSE(", CMake, 5}, {"elseif(", CMake, 5}, {"include(", CMake, 4}, {"INCLUDE(", CMake, 4},
    {"add_executable(", CMake, 8}, {"add_library(", CMake, 8}, {"target_link_libraries(", CMake, 8},
    {"find_package(", CMake, 6}, {"FIND_PACKAGE(", CMake, 6}, {"endfunction(", CMake, 8},
    {"function(", CMake, 3}, {"macro(", CMake, 5}, {"MACRO(", CMake, 5}, {"endmacro(", CMake, 8},
    {"ENDMACRO(", CMake, 8}, {"foreach(", CMake, 4}, {"FOREACH(", CMake, 4}, {"endforeach(", CMake, 8},
    {"ENDFOREACH(", CMake, 8}, {"message(", CMake, 4}, {"MESSAGE(", CMake, 4}, {"list(", CMake, 4},
    {"LIST(", CMake, 4}, {"string(", CMake, 4}, {"STRING(", CMake, 4}, {"option(", CMake, 4},
    {"get_filename_component(", CMake, 8}, {"set_property(", CMake, 8}, {"return()", CMake, 4},
    {"#[[", CMake, 5}, {"#]]", CMake, 5}, {"unset(", CMake, 5}, {"cmake_policy(", CMake, 8},
    {"mark_as_advanced(", CMake, 8}, {"file(", CMake, 4}, {"execute_process(", CMake, 8},
    {"find_path(", CMake, 8}, {"find_library(", CMake, 8}, {"endwhile(", CMake, 8}, {"add_custom_command(", CMake, 8},
    {"apiVersion:", Yaml, 5},
    {"[[", Toml, 2}, {"[package]", Toml, 6}, {"[dependencies]", Toml, 6}, {"[tool.", Toml, 6},
    {"[build-system]", Toml, 8}, {"[project]", Toml, 6},
    {"@media ", Css, 6}, {"@import ", Css, 3}, {"@font-face", Css, 6}, {"@charset ", Css, 8}, {"@keyframes ", Css, 6},
    {"CREATE TABLE ", Sql, 6}, {"INSERT INTO ", Sql, 5}, {"SELECT ", Sql, 3}, {"DROP TABLE ", Sql, 6},
    {"ALTER TABLE ", Sql, 6}, {"CREATE INDEX ", Sql, 6}, {"create table ", Sql, 5}, {"insert into ", Sql, 4},
    {"CREATE FUNCTION ", Sql, 6}, {"CREATE OR REPLACE ", Sql, 6}, {"CREATE VIEW ", Sql, 6}, {"GRANT ", Sql, 4},
    {"REVOKE ", Sql, 5}, {"COMMENT ON ", Sql, 6}, {"DROP ", Sql, 2}, {"UPDATE ", Sql, 3}, {"DELETE FROM ", Sql, 5},
    {"\\echo ", Sql, 8}, {"CREATE ", Sql, 2}, {"RETURNS ", Sql, 4}, {"LANGUAGE ", Sql, 3}, {"AS $$", Sql, 5},
    {"BEGIN;", Sql, 4}, {"COMMIT;", Sql, 4}, {"-- ", Sql, 1}, {"CREATE EXTENSION", Sql, 6},
    {"local function ", Lua, 6}, {"local ", Lua, 1}, {"end", Lua, 1}, {"require(\"", Lua, 1}, {"--[[", Lua, 6},
    {"function M.", Lua, 5},
    {"proc ", Tcl, 6}, {"namespace eval ", Tcl, 8}, {"package require ", Tcl, 8}, {"package provide ", Tcl, 8},
    {"set ", Tcl, 1}, {"if {", Tcl, 3}, {"foreach ", Tcl, 1}, {"variable ", Tcl, 3}, {"global ", Tcl, 2},
    {"upvar ", Tcl, 6}, {"package ifneeded ", Tcl, 8}, {"if {![package ", Tcl, 8}, {"uplevel ", Tcl, 6}, {"lappend ", Tcl, 6}, {"incr ", Tcl, 5}, {"array set ", Tcl, 6},
    {"switch -", Tcl, 5}, {"catch {", Tcl, 5}, {"return -code", Tcl, 6}, {"} else {", Tcl, 1},
    {"\" ", Vim, 1}, {"source <sfile>", Vim, 8}, {"menutrans ", Vim, 8}, {"function!", Vim, 8}, {"endfunction", Vim, 8}, {"endfunc", Vim, 8},
    {"call ", Vim, 3}, {"nnoremap ", Vim, 8}, {"noremap ", Vim, 6}, {"inoremap ", Vim, 8}, {"autocmd ", Vim, 8},
    {"augroup ", Vim, 8}, {"syntax ", Vim, 4}, {"syn ", Vim, 5}, {"hi ", Vim, 3}, {"highlight ", Vim, 5},
    {"setlocal ", Vim, 6}, {"command! ", Vim, 8}, {"finish", Vim, 4}, {"let s:", Vim, 8}, {"let g:", Vim, 8},
    {"let b:", Vim, 8}, {"let l:", Vim, 8}, {"exe ", Vim, 4}, {"execute ", Vim, 3}, {"endfor", Vim, 6},
    {"endwhile", Vim, 6}, {"\\ ", Vim, 3}, {"scriptencoding", Vim, 8}, {"if exists(", Vim, 6}, {"runtime ", Vim, 5}, {"runtime! ", Vim, 6}, {"packadd ", Vim, 6}, {"vim9script", Vim, 10}, {"au ", Vim, 3},
    {"endif", Vim, 2}, {"unlet ", Vim, 6}, {"set cpo", Vim, 8}, {"let &", Vim, 6},
    {";;; ", EmacsLisp, 6}, {";; ", EmacsLisp, 2}, {"(defun ", EmacsLisp, 6}, {"(defvar ", EmacsLisp, 6},
    {"(defcustom ", EmacsLisp, 8}, {"(require '", EmacsLisp, 6}, {"(provide '", EmacsLisp, 8}, {"(setq ", EmacsLisp, 4},
    {"(defmacro ", EmacsLisp, 6}, {"(eval-when-compile", EmacsLisp, 8}, {"(autoload ", EmacsLisp, 6},
    {"(defgroup ", EmacsLisp, 8}, {"(defconst ", EmacsLisp, 6}, {"(define-", EmacsLisp, 4}, {"(let ", EmacsLisp, 2},
    {"## ", Markdown, 2}, {"### ", Markdown, 3}, {"#### ", Markdown, 3},
    {"![", Markdown, 5}, {"[![", Markdown, 6}, {"|---", Markdown, 5}, {"| ---", Markdown, 5}, {"|:--", Markdown, 5},
    {".. ", ReStructuredText, 4}, {".. _", ReStructuredText, 4}, {".. code-block::", ReStructuredText, 4},
    {".. toctree::", ReStructuredText, 6}, {":maxdepth:", ReStructuredText, 6}, {"~~~~", ReStructuredText, 3},
    {"^^^^", ReStructuredText, 3},
    {"[source,", AsciiDoc, 6}, {"[source]", AsciiDoc, 5},
    {"image::", AsciiDoc, 6}, {"include::", AsciiDoc, 6}, {"ifdef::", AsciiDoc, 8}, {"ifndef::", AsciiDoc, 8},
    {"endif::", AsciiDoc, 8}, {"[NOTE]", AsciiDoc, 5}, {"[TIP]", AsciiDoc, 5}, {"[WARNING]", AsciiDoc, 5},
    {"[IMPORTANT]", AsciiDoc, 5}, {"[arabic]", AsciiDoc, 6}, {"[cols=", AsciiDoc, 6}, {"|===", AsciiDoc, 6},
    {":toc:", AsciiDoc, 6}, {":doctype:", AsciiDoc, 8}, {":icons:", AsciiDoc, 6}, {":experimental:", AsciiDoc, 8},
    {":source-highlighter:", AsciiDoc, 8}, {":imagesdir:", AsciiDoc, 8}, {"NOTE: ", AsciiDoc, 3}, {"TIP: ", AsciiDoc, 3},
    {"[[Category:", MediaWiki, 8},
    {"{{", MediaWiki, 2}, {"'''", MediaWiki, 2},
    {"h1. ", Textile, 6}, {"h2. ", Textile, 6}, {"h3. ", Textile, 6}, {"h1(", Textile, 6}, {"h2(", Textile, 6},
    {"h3(", Textile, 6}, {"bc. ", Textile, 6}, {"bq. ", Textile, 6}, {"|_. ", Textile, 6}, {"fn1. ", Textile, 6},
    {".globl", Assembly, 6}, {".section", Assembly, 3}, {".text", Assembly, 3}, {".file\t", Assembly, 4},
    {".type\t", Assembly, 5}, {".size\t", Assembly, 5}, {".ident\t", Assembly, 6}, {".cfi_", Assembly, 6},
    {".p2align", Assembly, 6}, {"pushq\t", Assembly, 5}, {"popq\t", Assembly, 5}, {"movq\t", Assembly, 4},
    {"movl\t", Assembly, 4}, {"leaq\t", Assembly, 5}, {".LFB", Assembly, 6}, {".LFE", Assembly, 6},
    {"Format: http", Deb822, 10}, {"Upstream-Name:", Deb822, 8}, {"Upstream-Contact:", Deb822, 8},
    {"Files:", Deb822, 3}, {"License:", Deb822, 2}, {"Package:", Deb822, 3}, {"Maintainer:", Deb822, 3},
    {"Depends:", Deb822, 3}, {"Architecture:", Deb822, 3}, {"Standards-Version:", Deb822, 6},
    {"Source:", Deb822, 2}, {"Copyright:", Deb822, 2},
    {"} bind def", PostScript, 6}, {"} def", PostScript, 4}, {"currentdict ", PostScript, 5},
    {"systemdict ", PostScript, 5}, {"userdict ", PostScript, 5}, {"} if", PostScript, 3}, {"} ifelse", PostScript, 4},
    {"} forall", PostScript, 5}, {"} for", PostScript, 2}, {"} loop", PostScript, 4}, {"exch ", PostScript, 3},
    {"dup ", PostScript, 2}, {"showpage", PostScript, 5},
    {"# file Copyright.txt or https://cmake.org/licensing", CMake, 8},
    {"\\documentclass", TeX, 10}, {"\\usepackage", TeX, 6}, {"\\begin{", TeX, 4}, {"\\end{", TeX, 3},
    {"\\section", TeX, 5}, {"\\subsection", TeX, 5}, {"\\chapter", TeX, 5}, {"\\newcommand", TeX, 6},
    {"\\renewcommand", TeX, 6}, {"\\def\\", TeX, 4}, {"\\PassOptionsToPackage", TeX, 8}, {"\\makeatletter", TeX, 8},
    {"\\ProvidesPackage", TeX, 8}, {"\\NeedsTeXFormat", TeX, 8}, {"\\RequirePackage", TeX, 8}, {"\\item", TeX, 2},
    {"\\input", TeX, 3}, {"\\relax", TeX, 3}, {"\\ifx", TeX, 4}, {"\\fi", TeX, 2}, {"\\label{", TeX, 4},
    {"\\starttext", TeX, 8}, {"\\setup", TeX, 4}, {"\\start", TeX, 2}, {"\\stop", TeX, 2}, {"\\definefont", TeX, 6},
    {".SH ", Troff, 4}, {".PP", Troff, 3}, {".LP", Troff, 3}, {".nr ", Troff, 4}, {".ds ", Troff, 4},
    {".de ", Troff, 4}, {".ft ", Troff, 3}, {".sp", Troff, 2}, {".br", Troff, 2}, {".IP ", Troff, 3},
    {".TP", Troff, 3}, {".nf", Troff, 2}, {".fi", Troff, 2}, {".RS", Troff, 3}, {".RE", Troff, 3},
    {".NH", Troff, 4}, {".TL", Troff, 4}, {".AU", Troff, 4}, {".AB", Troff, 4}, {".B ", Troff, 2}, {".I ", Troff, 2},
    {".BR ", Troff, 3}, {".IR ", Troff, 3}, {".TH ", Troff, 6}, {".ie ", Troff, 4}, {".el ", Troff, 4},
    {"{% ", Template, 4}, {"{%- ", Template, 4}, {"{# ", Template, 3}, {"{{#", Template, 5}, {"{{/", Template, 5},
    {"{{> ", Template, 5}, {"{{ ", Template, 2},
    {"import Foundation", Swift, 10}, {"import UIKit", Swift, 10}, {"import SwiftUI", Swift, 10}, {"guard let ", Swift, 6},
    {"if let ", Swift, 5}, {"override func ", Swift, 6}, {"private func ", Swift, 5},
    {"fileprivate ", Swift, 6}, {"@objc", Swift, 5}, {"@IBOutlet", Swift, 8}, {"@IBAction", Swift, 8},
    {"protocol ", Swift, 3}, {"public func ", Swift, 5}, {"@main", Swift, 4},
    {"import \"pe\"", Yara, 10}, {"import \"math\"", Yara, 10}, {"import \"hash\"", Yara, 10}, {"rule ", Yara, 4},
    {"private rule ", Yara, 6}, {"global rule ", Yara, 6}, {"meta:", Yara, 4}, {"strings:", Yara, 6}, {"condition:", Yara, 6},
    {".class ", Smali, 6}, {".super ", Smali, 8}, {".source ", Smali, 6}, {".method ", Smali, 8}, {".end method", Smali, 8},
    {".locals ", Smali, 6}, {".registers ", Smali, 6}, {"invoke-", Smali, 6}, {".field ", Smali, 6}, {"move-result", Smali, 6},
    {"const-string ", Smali, 6}, {"return-void", Smali, 6}, {"iget-", Smali, 5}, {"iput-", Smali, 5},
    {"section .", Assembly, 5}, {"global _start", Assembly, 6}, {"%include ", Assembly, 3}, {"%define ", Assembly, 3},
    {"mov ", Assembly, 2}, {"syscall", Assembly, 4}, {"int 0x80", Assembly, 6},
    {"<div", Html, 3}, {"</div>", Html, 3}, {"<script", Html, 3}, {"<link ", Html, 3},
    {"<a href", Html, 2}, {"<table", Html, 3}, {"<span", Html, 2}, {"<p>", Html, 2}, {"<br", Html, 2},
    {"<h1", Html, 2}, {"<h2", Html, 2}, {"<h3", Html, 2}, {"<ul", Html, 2}, {"<li>", Html, 2}, {"<form", Html, 3},
    {"#+TITLE:", Org, 8}, {"#+title:", Org, 8}, {"#+AUTHOR:", Org, 6}, {"#+author:", Org, 6}, {"#+OPTIONS:", Org, 6},
    {"#+BEGIN_", Org, 8}, {"#+begin_", Org, 8}, {":PROPERTIES:", Org, 8}, {":END:", Org, 3}, {"#+STARTUP:", Org, 8},
};

struct WordRule {
    std::string_view word; // found anywhere in the window
    Language language;
    uint8_t weight;
};

// Looked for in the whole window when the line starts alone do not settle the question:
// code squeezed onto few lines (minified scripts) or with unusual line starts.
constexpr WordRule WordRules[] = {
    {"function(", JavaScript, 3}, {") => ", JavaScript, 2}, {" === ", JavaScript, 3}, {" !== ", JavaScript, 3},
    {"typeof ", JavaScript, 2}, {".prototype.", JavaScript, 4}, {"document.", JavaScript, 2},
    {"window.", JavaScript, 2}, {"std::", Cpp, 3}, {"::", Cpp, 1}, {"->", C, 1},
    {"$self->", Perl, 4}, {"=~", Perl, 2}, {"self.", Python, 2}, {"](", Markdown, 2}, {"][]", Markdown, 2}, {"`_", ReStructuredText, 3},
    {"::\n", ReStructuredText, 2}, {":`", ReStructuredText, 4}, {"``", ReStructuredText, 2},
    {"fi\n", Shell, 2}, {"= require('", JavaScript, 3},
};

struct ModeName {
    std::string_view name; // as an editor modeline writes it, lower case
    std::string_view typeId;
};

// Editor modelines ("-*- C++ -*-", "vim: set ft=perl:") say outright what a file is.
constexpr ModeName ModeNames[] = {
    {"c++", "cpp"},       {"cpp", "cpp"},         {"c", "c"},           {"python", "py"},
    {"perl", "pl"},       {"cperl", "pl"},        {"sh", "sh"},         {"shell-script", "sh"},
    {"bash", "sh"},       {"ksh", "sh"},          {"ruby", "rb"},       {"tcl", "tcl"},
    {"emacs-lisp", "elisp"}, {"lisp", "elisp"},   {"makefile", "makefile"}, {"make", "makefile"},
    {"javascript", "js"}, {"js", "js"},           {"sql", "sql"},       {"yaml", "yaml"},
    {"nroff", "troff"},   {"latex", "tex"},       {"tex", "tex"},       {"text", "text"},
    {"css", "css"},       {"html", "html"},       {"xml", "xml"},       {"markdown", "md"},
    {"rst", "rst"},       {"cmake", "cmake"},     {"lua", "lua"},       {"java", "java"},
    {"go", "go"},         {"rust", "rs"},         {"php", "php"},       {"vim", "vim"},
    {"awk", "awk"},
};

struct ExtensionHint {
    std::string_view suffix;
    std::string_view typeId;
};

constexpr ExtensionHint ExtensionHints[] = {
    {".tcl", "tcl"}, {".txt", "text"},  {".py", "py"},     {".pl", "pl"},   {".pm", "pl"},   {".rb", "rb"},
    {".sh", "sh"},   {".c", "c"},       {".h", "c"},       {".cpp", "cpp"}, {".cc", "cpp"},  {".hpp", "cpp"},
    {".js", "js"},   {".el", "elisp"},  {".vim", "vim"},   {".lua", "lua"}, {".css", "css"}, {".sql", "sql"},
    {".java", "java"}, {".go", "go"},   {".rs", "rs"},     {".cmake", "cmake"}, {".tex", "tex"},
    {".sty", "tex"}, {".awk", "awk"},   {".ps", "ps"},     {".mk", "makefile"}, {".yaml", "yaml"},
    {".yml", "yaml"}, {".md", "md"},    {".rst", "rst"},
};

static_assert(std::all_of(std::begin(LineRules), std::end(LineRules), [](const LineRule &rule) { return rule.prefix.size() >= 2; }),
              "line rules are told apart by their first two bytes");

// The line rules filed by their first two bytes (hashed into buckets): a line is
// compared only with the rules that start like it and the few that share its bucket.
constexpr size_t RuleBuckets = 1024;

constexpr size_t ruleBucket(char first, char second)
{
    return (size_t{static_cast<unsigned char>(first)} << 3 ^ static_cast<unsigned char>(second)) % RuleBuckets;
}

struct RuleIndex {
    std::array<uint16_t, RuleBuckets + 1> starts{}; // a bucket's rules: order[starts[b]] up to order[starts[b + 1]]
    std::array<uint16_t, std::size(LineRules)> order{};
};

constexpr RuleIndex buildRuleIndex()
{
    RuleIndex index;
    for (const LineRule &rule : LineRules)
        ++index.starts[ruleBucket(rule.prefix[0], rule.prefix[1]) + 1];
    for (size_t bucket = 0; bucket < RuleBuckets; ++bucket)
        index.starts[bucket + 1] += index.starts[bucket];
    std::array<uint16_t, RuleBuckets> filled{};
    for (uint16_t i = 0; i < std::size(LineRules); ++i) {
        const size_t bucket = ruleBucket(LineRules[i].prefix[0], LineRules[i].prefix[1]);
        index.order[index.starts[bucket] + filled[bucket]++] = i;
    }
    return index;
}

constexpr RuleIndex LineRuleIndex = buildRuleIndex();

constexpr size_t ModelWindow = 4096;
constexpr int MaxLines = 120;
constexpr int MinScore = 5;
constexpr int ClearScore = 8;
constexpr int ClearRatio = 3;
constexpr int MaxUnderlineScore = 3;
constexpr int MaxListItemScore = 3;

// Byte by byte: the prefixes matched per line are short and most lines differ from them
// within a byte or two, sooner than a call to memcmp would return.
bool startsWith(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i])
            return false;
    }
    return true;
}

constexpr bool lowerIdentifierChar(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-'; }

constexpr bool identifierChar(char c) { return lowerIdentifierChar(c) || (c >= 'A' && c <= 'Z') || c == '.'; }

// Looked up for every byte of a name: one load instead of a chain of comparisons.
constexpr std::array<bool, 256> tableOf(bool (*belongs)(char))
{
    std::array<bool, 256> table{};
    for (size_t c = 0; c < table.size(); ++c)
        table[c] = belongs(static_cast<char>(c));
    return table;
}

constexpr std::array<bool, 256> LowerIdentifierChars = tableOf(lowerIdentifierChar);
constexpr std::array<bool, 256> IdentifierChars = tableOf(identifierChar);

bool isLowerIdentifierChar(char c) { return LowerIdentifierChars[static_cast<unsigned char>(c)]; }
bool isIdentifierChar(char c) { return IdentifierChars[static_cast<unsigned char>(c)]; }

bool isCssProperty(std::string_view line)
{
    size_t at = 0;
    while (at < line.size() && ((line[at] >= 'a' && line[at] <= 'z') || line[at] == '-'))
        ++at;
    return at > 1 && at < line.size() && line[at] == ':' && line.back() == ';' && line.find('(') > line.find(':') &&
           line.find('=') == std::string_view::npos;
}

// CSS writes "::" only before a pseudo-element; Tcl and C++ write it between names.
bool hasOnlyPseudoElements(std::string_view line)
{
    constexpr std::string_view PseudoElements[] = {"before", "after", "first-line", "first-letter", "selection",
                                                   "placeholder", "marker", "backdrop", "-webkit-", "-moz-"};
    for (size_t at = line.find("::"); at != std::string_view::npos; at = line.find("::", at + 2)) {
        const std::string_view name = line.substr(at + 2);
        if (std::none_of(std::begin(PseudoElements), std::end(PseudoElements),
                         [&](std::string_view pseudo) { return name.starts_with(pseudo); }))
            return false;
    }
    return true;
}

bool isCssSelector(std::string_view line)
{
    // "key: {" opens an object in JavaScript; a pseudo-class follows its colon directly.
    if (!line.ends_with('{') || line.find('(') != std::string_view::npos || line.find('=') != std::string_view::npos ||
        line.find(": ") != std::string_view::npos || !hasOnlyPseudoElements(line))
        return false;
    const char first = line.front();
    return first == '.' || first == '#' || first == '*' || first == ':' || line.find(", ") != std::string_view::npos ||
           line.find(" > ") != std::string_view::npos || line.find(':') != std::string_view::npos;
}

// A whole rule on one line: "pre { line-height: 125%; }".
bool isOneLineCssRule(std::string_view line)
{
    if (!line.ends_with(" }"))
        return false;
    const size_t open = line.find(" { ");
    if (open == std::string_view::npos || open == 0 || !hasOnlyPseudoElements(line))
        return false;
    const std::string_view body = line.substr(open + 3, line.size() - open - 5);
    const size_t colon = body.find(": ");
    return colon != std::string_view::npos && colon > 0 && body.ends_with(';') &&
           std::all_of(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(colon),
                       [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
}

bool isUnderline(std::string_view line)
{
    return line.size() >= 3 && line.find_first_not_of(line.front()) == std::string_view::npos &&
           (line.front() == '=' || line.front() == '-');
}

using Scores = std::array<int, LanguageCount>;

// The scores that one line changes, with what each was before the line: a line is
// evidence for a language when it leaves the language's score higher than it found it.
// Remembering only the languages the line touches spares comparing every score per line.
class LineScores {
public:
    explicit LineScores(Scores &scores) : m_scores(scores) {}

    int &operator[](size_t language)
    {
        const uint64_t bit = uint64_t{1} << language;
        if ((m_touched & bit) == 0) {
            m_touched |= bit;
            m_before[language] = m_scores[language];
        }
        return m_scores[language];
    }

    void countRaised(std::array<int, LanguageCount> &evidenceLines) const
    {
        for (uint64_t touched = m_touched; touched != 0; touched &= touched - 1) {
            const auto language = static_cast<size_t>(std::countr_zero(touched));
            evidenceLines[language] += m_scores[language] > m_before[language];
        }
    }

private:
    static_assert(LanguageCount <= 64, "one bit per language");
    Scores &m_scores;
    Scores m_before; // read only where m_touched says the line wrote it
    uint64_t m_touched = 0;
};

// Prefixes of two bytes or more, with the bytes they start with and the bytes that come
// second: most lines start with none of those pairs, which two look-ups tell.
template <size_t N>
class PrefixSet {
public:
    constexpr explicit PrefixSet(const std::string_view (&prefixes)[N])
    {
        for (size_t i = 0; i < N; ++i) {
            if (prefixes[i].size() < 2)
                throw "a prefix needs two bytes";
            m_prefixes[i] = prefixes[i];
            m_firstBytes[static_cast<unsigned char>(prefixes[i][0])] = true;
            m_secondBytes[static_cast<unsigned char>(prefixes[i][1])] = true;
        }
    }

    bool startsAny(std::string_view line) const
    {
        if (line.size() < 2 || !m_firstBytes[static_cast<unsigned char>(line[0])] ||
            !m_secondBytes[static_cast<unsigned char>(line[1])])
            return false;
        return std::any_of(m_prefixes.begin(), m_prefixes.end(),
                           [&](std::string_view prefix) { return startsWith(line, prefix); });
    }

private:
    std::array<std::string_view, N> m_prefixes{};
    std::array<bool, 256> m_firstBytes{};
    std::array<bool, 256> m_secondBytes{};
};

template <size_t N>
bool startsWithAny(std::string_view line, const PrefixSet<N> &prefixes)
{
    return prefixes.startsAny(line);
}

constexpr PrefixSet CDirectives({"define ", "ifdef ", "ifndef ", "endif", "include ", "if ", "else", "elif "});
constexpr PrefixSet CFunctionTypes({"void ", "int ", "char ", "static ", "unsigned ", "long ", "bool ", "double "});
constexpr PrefixSet CppMemberTypes({"void ", "int ", "bool ", "static ", "const ", "unsigned ", "QString ", "std::"});
constexpr PrefixSet CodingDeclarations({"# -*- coding:", "# coding:", "# coding="});
constexpr PrefixSet TomlValues({" = \"", " = [", " = true", " = false"});
constexpr PrefixSet MakeAssignments({" := ", " ?= ", " += "});

// C preprocessor lines written "# define", and function definitions "int f(void) {".
void scoreCShapes(std::string_view line, LineScores &scores)
{
    // Standard C++ headers have no ".h": <vector>, <sstream>.
    if (line.starts_with("#include <") && line.back() == '>' && line.find('.') == std::string_view::npos &&
        line.find('/') == std::string_view::npos)
        scores[Cpp] += 4;
    if (line.size() > 2 && line[0] == '#' && line[1] == ' ') {
        const std::string_view directive = line.substr(std::min(line.find_first_not_of(' ', 1), line.size()));
        if (startsWithAny(directive, CDirectives))
            scores[C] += 2;
    }
    if (line.back() == '{' && line.find(')') != std::string_view::npos &&
        startsWithAny(line, CFunctionTypes))
        scores[C] += 2;
    // "void Widget::paint(" defines a member function outside its class.
    if (startsWithAny(line, CppMemberTypes) &&
        line.find("::") != std::string_view::npos && line.find('(') > line.find("::"))
        scores[Cpp] += 3;
    // Class fields of JavaScript: "static name = 'x'" without C's closing semicolon.
    if (line.starts_with("static ") && line.find(" = ") != std::string_view::npos && line.back() != ';') {
        scores[JavaScript] += 2;
        scores[C] -= 1;
    }
    // Array initializers, as xxd -i and resource compilers write them: "name[] = {".
    if (line.ends_with("] = {")) {
        const size_t bracket = line.find('[');
        if (bracket != std::string_view::npos && bracket > 0 && isIdentifierChar(line[bracket - 1]))
            scores[C] += 3;
    }
    // "case $1 in" opens a shell case; "case RED:" labels a C switch.
    if (line.starts_with("case ")) {
        if (line.ends_with(" in"))
            scores[Shell] += 3;
        else if (line.back() == ':')
            scores[C] += 1;
    }
    // Tcl namespaces are not C++ ones.
    if (line.starts_with("namespace eval "))
        scores[Cpp] -= 3;
}

constexpr PrefixSet ValueTypes({"string", "number", "boolean", "any"});
constexpr PrefixSet ReturnTypes({"void", "Promise<"});

// ": string" after a name or "): void" after parameters, looked for at each ": " of the line.
bool hasTypeAnnotation(std::string_view line)
{
    for (size_t colon = line.find(": "); colon != std::string_view::npos; colon = line.find(": ", colon + 1)) {
        const std::string_view type = line.substr(colon + 2);
        const bool afterParameters = colon > 0 && line[colon - 1] == ')';
        if (startsWithAny(type, ValueTypes) || (afterParameters && startsWithAny(type, ReturnTypes)))
            return true;
    }
    return false;
}

// Zig's builtins, and the types that Swift and TypeScript write after a name. Most
// lines hold none of the characters these need, so a byte search comes first.
void scoreTypedShapes(std::string_view line, LineScores &scores)
{
    constexpr auto npos = std::string_view::npos;
    // Zig imports its library with a builtin that no other language writes.
    if (line.find('@') != npos && line.find("@import(\"") != npos)
        scores[Zig] += 8;
    if ((line.find('!') != npos && line.find("!void") != npos) || line.starts_with("errdefer ") ||
        line.starts_with("comptime "))
        scores[Zig] += 4;
    if (line.starts_with("func ") && line.find(") -> ") != npos)
        scores[Swift] += 3;
    if (hasTypeAnnotation(line))
        scores[TypeScript] += 2;
}

// Definitions and imports whose punctuation tells scripting languages apart.
void scoreScriptShapes(std::string_view line, LineScores &scores)
{
    const char last = line.back();
    if (line.starts_with("def ") || line.starts_with("class ")) {
        if (last == ':')
            scores[Python] += 5;
        else if (line.starts_with("def "))
            scores[Ruby] += 3;
    }
    if (line.starts_with("import ") && last != ';' && line.find('"') == std::string_view::npos &&
        line.find('{') == std::string_view::npos)
        scores[Python] += 3;
    if (line.starts_with("from ") && line.find(" import ") != std::string_view::npos)
        scores[Python] += 4;
    // PEP 263 encoding declarations.
    if (startsWithAny(line, CodingDeclarations))
        scores[Python] += 4;
    if (last == ':' && line.find('(') != std::string_view::npos && line.find(' ') != std::string_view::npos)
        scores[Python] += 1;
    if (line.starts_with("class ") && line.find(" extends ") != std::string_view::npos && last == '{' &&
        line.find(" implements ") == std::string_view::npos)
        scores[JavaScript] += 3;
    if (line.starts_with("sub ") && last == '{')
        scores[Perl] += 4;
    if (line.starts_with("package ") && last == ';')
        scores[line.find("::") != std::string_view::npos ? Perl : Java] += 5;
    if (line.front() == '/' && (line.ends_with(" def") || line.ends_with(" bind def")))
        scores[PostScript] += 3;
    scoreTypedShapes(line, scores);
}

// "key: value", "key = value", "[section]" and "command(arguments)" lines.
void scoreSettingShapes(std::string_view line, bool indented, LineScores &scores)
{
    const char last = line.back();
    if (line == "---")
        scores[Yaml] += 2;
    if (line.front() == '[' && last == ']' && line.find('=') == std::string_view::npos &&
        line.find(' ') == std::string_view::npos) {
        scores[Ini] += 3;
        scores[Toml] += 1;
    }
    if (line.starts_with("- "))
        line.remove_prefix(2);
    size_t word = 0;
    while (word < line.size() && isIdentifierChar(line[word]))
        ++word;
    if (word == 0 || word >= line.size())
        return;
    // "command(arguments)" with nothing after: how every CMake line looks.
    if (line[word] == '(' && last == ')' && line.find(" = ") == std::string_view::npos &&
        line.substr(0, word).find('.') == std::string_view::npos)
        scores[CMake] += 1;
    const std::string_view key = line.substr(0, word);
    const std::string_view rest = line.substr(word);
    const bool yamlKey = (rest.starts_with(": ") || rest == ":") && last != ',' && last != ';' && last != '{';
    if (yamlKey && std::all_of(key.begin(), key.end(), isLowerIdentifierChar))
        scores[Yaml] += rest == ":" ? 2 : 1;
    if (startsWithAny(rest, TomlValues))
        scores[Toml] += 2;
    if ((rest.starts_with("=") || rest.starts_with(" = ")) && !rest.starts_with("==") && !indented && last != ';' &&
        last != '{')
        scores[Ini] += 1;
    if (startsWithAny(rest, MakeAssignments))
        scores[Makefile] += 2;
}

void scoreLineStart(std::string_view line, LineScores &scores)
{
    if (line.size() < 2)
        return;
    const size_t bucket = ruleBucket(line[0], line[1]);
    for (size_t i = LineRuleIndex.starts[bucket]; i < LineRuleIndex.starts[bucket + 1]; ++i) {
        const LineRule &rule = LineRules[LineRuleIndex.order[i]];
        if (startsWith(line, rule.prefix))
            scores[rule.language] += rule.weight;
    }
}

// The structural line shapes that keyword rules cannot see.
void scoreShape(std::string_view line, bool indented, LineScores &scores)
{
    if (isCssProperty(line)) {
        scores[Css] += 2;
        return;
    }
    if (isCssSelector(line) || isOneLineCssRule(line))
        scores[Css] += 3;
    if (line.starts_with(".. ") && line.find("::") != std::string_view::npos)
        scores[ReStructuredText] += 3;
    // Borders of a simple reStructuredText table: "=====  ======".
    if (line.starts_with('=') && line.find(' ') != std::string_view::npos &&
        line.find_first_not_of("= ") == std::string_view::npos)
        scores[ReStructuredText] += 3;
    scoreCShapes(line, scores);
    scoreScriptShapes(line, scores);
    scoreSettingShapes(line, indented, scores);
}

std::string_view modeName(std::string_view name)
{
    for (const ModeName &mode : ModeNames) {
        if (equalsIgnoringAsciiCase(name, mode.name))
            return mode.typeId;
    }
    return {};
}

// "-*- C++ -*-", "-*- mode: python; coding: utf-8 -*-" or "vim: set ft=perl :".
std::string_view modelineType(std::string_view text)
{
    const size_t secondLineEnd = text.find('\n', std::min(text.find('\n') + 1, text.size()));
    const std::string_view opening = text.substr(0, std::min(secondLineEnd, size_t{400}));
    if (const size_t start = opening.find("-*-"); start != std::string_view::npos) {
        std::string_view inside = opening.substr(start + 3);
        inside = inside.substr(0, inside.find("-*-"));
        if (const size_t mode = inside.find("mode:"); mode != std::string_view::npos)
            inside = inside.substr(mode + 5);
        while (!inside.empty() && inside.front() == ' ')
            inside.remove_prefix(1);
        return modeName(inside.substr(0, std::min(inside.find_first_of(" ;\t"), inside.size())));
    }
    for (std::string_view marker : {"ft=", "filetype="}) {
        const size_t vim = opening.find("vim:");
        const size_t at = vim == std::string_view::npos ? vim : opening.find(marker, vim);
        if (at != std::string_view::npos) {
            const std::string_view rest = opening.substr(at + marker.size());
            return modeName(rest.substr(0, std::min(rest.find_first_of(" :\t\n"), rest.size())));
        }
    }
    return {};
}

struct Ranking {
    int best = 0;
    int second = 0;
    size_t language = LanguageCount;
};

Ranking rank(const std::array<int, LanguageCount> &scores)
{
    Ranking ranking;
    for (size_t language = 0; language < LanguageCount; ++language) {
        if (scores[language] > ranking.best) {
            ranking.second = ranking.best;
            ranking.best = scores[language];
            ranking.language = language;
        } else if (scores[language] > ranking.second) {
            ranking.second = scores[language];
        }
    }
    return ranking;
}

bool confident(const Ranking &ranking)
{
    return ranking.language != LanguageCount && ranking.best >= MinScore && ranking.best >= 2 * ranking.second;
}

// A guess that may overrule the name of another language. Measured on correctly named
// files and on the same files under another language's name (bench/accuracy): below
// these the model renames right names about as often as it finds wrong ones.
bool clearlyAhead(const Ranking &ranking)
{
    return ranking.best >= ClearScore && ranking.best >= ClearRatio * ranking.second;
}

constexpr size_t WordRuleCount = std::size(WordRules);
using WordRuleSet = uint32_t; // one bit per word rule
static_assert(WordRuleCount <= 32);
static_assert(std::all_of(std::begin(WordRules), std::end(WordRules), [](const WordRule &rule) { return rule.word.size() >= 2; }),
              "words are told apart by their first two bytes");

// For each byte, the word rules whose word starts with it.
constexpr std::array<WordRuleSet, 256> wordStarts()
{
    std::array<WordRuleSet, 256> starts{};
    for (size_t i = 0; i < WordRuleCount; ++i)
        starts[static_cast<unsigned char>(WordRules[i].word.front())] |= WordRuleSet{1} << i;
    return starts;
}

constexpr std::array<WordRuleSet, 256> WordStarts = wordStarts();

// The pairs of bytes that some word starts with, one bit each: most places in a text
// start no word, and one look-up tells.
class BytePairs {
public:
    constexpr void add(unsigned char first, unsigned char second) { m_bits[index(first, second) / 64] |= bit(first, second); }
    constexpr bool has(unsigned char first, unsigned char second) const
    {
        return (m_bits[index(first, second) / 64] & bit(first, second)) != 0;
    }

private:
    static constexpr size_t index(unsigned char first, unsigned char second) { return size_t{first} << 8 | second; }
    static constexpr uint64_t bit(unsigned char first, unsigned char second) { return uint64_t{1} << (index(first, second) % 64); }
    std::array<uint64_t, 256 * 256 / 64> m_bits{};
};

constexpr BytePairs wordOpenings()
{
    BytePairs pairs;
    for (const WordRule &rule : WordRules)
        pairs.add(static_cast<unsigned char>(rule.word[0]), static_cast<unsigned char>(rule.word[1]));
    return pairs;
}

constexpr BytePairs WordOpenings = wordOpenings();

// Each word counts up to four times, and a match's bytes do not count again towards the
// same word ("``" is found twice in "````", not three times). One pass over the window
// serves every word.
void scoreWords(std::string_view window, std::array<int, LanguageCount> &scores)
{
    constexpr int MaxFound = 4;
    std::array<int, WordRuleCount> found{};
    std::array<size_t, WordRuleCount> nextFree{}; // where the word's next match may start
    for (size_t at = 0; at + 1 < window.size(); ++at) {
        const auto first = static_cast<unsigned char>(window[at]);
        const WordRuleSet starting = WordStarts[first];
        if (starting == 0 || !WordOpenings.has(first, static_cast<unsigned char>(window[at + 1])))
            continue;
        for (WordRuleSet rules = starting; rules != 0; rules &= rules - 1) {
            const auto i = static_cast<size_t>(std::countr_zero(rules));
            const std::string_view word = WordRules[i].word;
            if (at >= nextFree[i] && found[i] < MaxFound && startsWith(window.substr(at), word)) {
                ++found[i];
                nextFree[i] = at + word.size();
            }
        }
    }
    for (size_t i = 0; i < WordRuleCount; ++i)
        scores[WordRules[i].language] += found[i] * WordRules[i].weight;
}

} // namespace

namespace {

bool isMakeTarget(std::string_view line)
{
    const size_t colon = line.find(':');
    return colon != std::string_view::npos && colon > 0 && line.find('=') == std::string_view::npos &&
           line.find(' ') > colon && line.find("::") == std::string_view::npos && line.front() != '#' &&
           line.find('"') == std::string_view::npos && line.find('(') == std::string_view::npos;
}

// "== Section" but not a banner such as "== NOTICE ==".
bool isAsciiDocSection(std::string_view line)
{
    const size_t level = std::min(line.find_first_not_of('='), line.size());
    return level >= 2 && level <= 5 && level < line.size() && line[level] == ' ' && !line.ends_with('=');
}

// "== Section ==", closed by as many '=' as open it: its level, or 0.
size_t mediaWikiHeadingLevel(std::string_view line)
{
    const size_t level = std::min(line.find_first_not_of('='), line.size());
    // One blank on each side of the title; a banner pads its closing marks with many.
    const bool heading = level >= 1 && level <= 6 && line.size() > 2 * level + 2 && line[level] == ' ' &&
                         line[level + 1] != ' ' && line.ends_with(std::string_view("======").substr(0, level)) &&
                         line[line.size() - level - 1] == ' ' && line[line.size() - level - 2] != ' ';
    return heading ? level : 0;
}

// A table's "{|" start, "|-" row break and "|}" end, alone or with attributes.
bool isMediaWikiTableLine(std::string_view line)
{
    constexpr std::string_view TableMarks[] = {"{|", "|-", "|}"};
    for (std::string_view mark : TableMarks) {
        if (startsWith(line, mark) && (line.size() == mark.size() || line[mark.size()] == ' '))
            return true;
    }
    return false;
}

// "NAME=value" with nothing around the sign is how the shell assigns.
bool isShellAssignment(std::string_view line)
{
    const auto nameChar = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    };
    const size_t sign = static_cast<size_t>(std::find_if_not(line.begin(), line.end(), nameChar) - line.begin());
    return sign > 0 && sign < line.size() && line[sign] == '=' && !line.substr(sign).starts_with("==");
}

// Comment marks and the punctuation that code is made of.
constexpr std::array<bool, 256> charTable(std::string_view chars)
{
    std::array<bool, 256> table{};
    for (char c : chars)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> CommentStarts = charTable("/*#;%\"-<");
constexpr std::array<bool, 256> CodePunctuation = charTable(";{}()=<>[]$\\");

bool looksLikeCode(std::string_view line)
{
    if (CommentStarts[static_cast<unsigned char>(line.front())])
        return true;
    return std::any_of(line.begin(), line.end(), [](char c) { return CodePunctuation[static_cast<unsigned char>(c)]; });
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80; }

// A sentence: six words or more, mostly letters. Prose is sentences with nothing that
// looks like code; the caller knows that already.
bool isSentence(std::string_view line)
{
    constexpr int MinWords = 6;
    const auto blanks = std::count(line.begin(), line.end(), ' ');
    if (blanks + 1 < MinWords)
        return false;
    const auto letters = std::count_if(line.begin(), line.end(), isLetter);
    return letters * 10 >= (static_cast<std::ptrdiff_t>(line.size()) - blanks) * 7;
}

bool isYamlStructure(std::string_view line, bool indented)
{
    if (line == "---" || (indented && line.starts_with("- ")))
        return true;
    return line.ends_with(':') && line.find(' ') == std::string_view::npos && line.find('(') == std::string_view::npos;
}

// Line-by-line evidence, with the few facts that depend on neighbouring lines.
class LineScan {
public:
    void take(std::string_view line, bool indented, bool indentedWithTab, bool lastLineOfParagraph)
    {
        ++m_lines;
        LineScores changes(scores);
        // Make rules: "target: prerequisites" followed by recipe lines indented with a
        // tab (which YAML, the other "name: value" language, forbids).
        if (indentedWithTab && (m_afterTarget || m_recipes > 0) && m_previousWasRule)
            ++m_recipes;
        const bool target = !indented && isMakeTarget(line);
        m_previousWasRule = target || (indentedWithTab && m_previousWasRule);
        if (target) {
            ++m_targets;
            m_afterTarget = true;
        }
        m_yamlStructure = m_yamlStructure || isYamlStructure(line, indented);
        m_sectioned = m_sectioned || (line.front() == '[' && line.back() == ']');
        if (!indented && isShellAssignment(line))
            ++m_assignments;
        // Underlined headings are common to reStructuredText and plain notes alike.
        // reStructuredText wants an underline at least as long as its title; YAML's "---"
        // under "key: value" is a document separator.
        if (isUnderline(line) && !m_previous.empty() && !isUnderline(m_previous) && line.size() >= m_previous.size() &&
            m_underlines < MaxUnderlineScore) {
            changes[ReStructuredText] += 1;
            ++m_underlines;
            // A title both over- and underlined is reStructuredText's alone.
            if (isUnderline(m_beforePrevious) && m_beforePrevious.size() == line.size())
                changes[ReStructuredText] += 4;
        }
        // A document title, "= Title", opens an AsciiDoc document; "== Section" heads its parts.
        if (m_lines == 1 && line.starts_with("= ") && line.size() > 2 && line[2] != '=' && !line.ends_with('='))
            changes[AsciiDoc] += 5;
        if (isAsciiDocSection(line))
            changes[AsciiDoc] += 3;
        // "= Title =" is the page title; a level-one heading has no other markup like it.
        if (const size_t level = mediaWikiHeadingLevel(line); level > 0)
            changes[MediaWiki] += level == 1 ? 5 : 4;
        if (isMediaWikiTableLine(line))
            changes[MediaWiki] += 4;
        // Haddock's "#anchor#" lines follow headings written like AsciiDoc's.
        if (line.size() > 2 && line.front() == '#' && line.back() == '#' && line.find(' ') == std::string_view::npos)
            changes[AsciiDoc] -= 3;
        if (m_lines == 1 && line.starts_with("# ") && lastLineOfParagraph) {
            changes[Markdown] += 4;
            m_openedWithHeading = true;
        }
        // List items under that heading ("-   item", as pandoc writes them).
        if (m_openedWithHeading && m_listItems < MaxListItemScore && (line.starts_with("- ") || line.starts_with("* "))) {
            changes[Markdown] += 1;
            ++m_listItems;
        }
        // Reference-style link definitions: "[name]: https://...".
        if (line.starts_with('[') && line.find("]: http") != std::string_view::npos)
            changes[Markdown] += 3;
        scoreLineStart(line, changes);
        scoreShape(line, indented, changes);
        changes.countRaised(evidenceLines);
        const bool code = looksLikeCode(line);
        m_proseLines += !code && isSentence(line);
        m_codeLines += code;
        m_beforePrevious = m_previous;
        m_previous = line;
    }

    void finish()
    {
        if (m_targets > 0 && m_recipes > 0)
            scores[Makefile] += 3 * std::min(m_targets, 4) + std::min(m_recipes, 4);
        if (!m_yamlStructure)
            scores[Yaml] = 0;
        // Settings without a single "[section]" are no INI file: the shell assigns alike.
        if (!m_sectioned) {
            scores[Ini] = 0;
            scores[Shell] += std::min(m_assignments, 8);
        }
        // HTML inside a document that opens with a Markdown heading is Markdown's own.
        if (m_openedWithHeading) {
            scores[Markdown] += scores[Html];
            scores[Html] = 0;
        }
    }

    int lines() const { return m_lines; }

    std::array<int, LanguageCount> scores{};
    // How many lines added to each language's score.
    std::array<int, LanguageCount> evidenceLines{};

    int proseLines() const { return m_proseLines; }
    int codeLines() const { return m_codeLines; }

private:
    int m_lines = 0;
    int m_targets = 0;
    int m_recipes = 0;
    int m_underlines = 0;
    bool m_afterTarget = false;
    bool m_previousWasRule = false;
    bool m_yamlStructure = false;
    bool m_openedWithHeading = false;
    int m_listItems = 0;
    bool m_sectioned = false;
    int m_assignments = 0;
    int m_proseLines = 0;
    int m_codeLines = 0;
    std::string_view m_previous;
    std::string_view m_beforePrevious;
};

// A first-line comment that names the file ("# menu.tcl --", "*os_qnx.txt*") gives its
// extension away.
std::string_view namedInFirstComment(std::string_view text)
{
    const std::string_view line = text.substr(0, std::min({text.find('\n'), text.size(), size_t{160}}));
    if (line.empty() || std::string_view("#/;%\"*-").find(line.front()) == std::string_view::npos)
        return {};
    for (const ExtensionHint &hint : ExtensionHints) {
        const size_t at = line.find(hint.suffix);
        if (at == std::string_view::npos || at == 0)
            continue;
        const size_t after = at + hint.suffix.size();
        const bool endsWord = after == line.size() || std::string_view(" \t*-:,)").find(line[after]) != std::string_view::npos;
        // File names are lower case; "Node.js" in a heading names a product.
        size_t start = at;
        while (start > 0 && isLowerIdentifierChar(line[start - 1]))
            --start;
        const bool fileName = start < at && (start == 0 || !isIdentifierChar(line[start - 1]));
        if (endsWord && fileName)
            return hint.typeId;
    }
    return {};
}

void mergeInto(Language kept, Language merged, Scores &scores, LineScan &scan)
{
    scores[kept] += scores[merged];
    scores[merged] = 0;
    scan.evidenceLines[kept] += scan.evidenceLines[merged];
    scan.evidenceLines[merged] = 0;
}

// Words that C never writes outside its comments and strings.
constexpr std::string_view CppOnlyWords[] = {"::", "nullptr", "static_cast<", "template <", "template<", "namespace ",
                                             "constexpr ", "noexcept", "public:", "private:", "override"};
constexpr int CppWordsNeeded = 3;

bool usesCppWords(std::string_view window)
{
    int found = 0;
    for (std::string_view word : CppOnlyWords) {
        for (size_t at = window.find(word); at != std::string_view::npos && found < CppWordsNeeded;
             at = window.find(word, at + word.size()))
            ++found;
    }
    return found >= CppWordsNeeded;
}

void mergeFamilies(Scores &scores, LineScan &scan, std::string_view window)
{
    // Documentation inside a Perl module is part of the module.
    if (scores[Perl] > 0)
        mergeInto(Perl, Pod, scores, scan);
    // Zig and Swift share Rust's "fn" and Go's "func": their own marks decide.
    if (scores[Zig] >= 8)
        mergeInto(Zig, Rust, scores, scan);
    if (scores[Swift] >= 10) {
        mergeInto(Swift, Go, scores, scan);
        mergeInto(Swift, JavaScript, scores, scan);
    }
    // A template language wraps another one; it is the file's own only when nothing else shows.
    if (scores[Template] >= scores[MediaWiki])
        scores[MediaWiki] = 0;
    if (std::any_of(scores.begin(), scores.end(), [&](int score) { return score >= MinScore && score != scores[Template]; }))
        scores[Template] = 0;
    // A type annotation makes JavaScript TypeScript.
    if (scores[TypeScript] >= 4 && scores[JavaScript] > 0)
        mergeInto(TypeScript, JavaScript, scores, scan);
    // C++ code is C code too: C++ evidence on top of C evidence means C++, and the two
    // together count against the other languages.
    const Ranking ranking = rank(scores);
    if (ranking.language == C || ranking.language == Cpp) {
        const Language family = scores[Cpp] >= 4 || usesCppWords(window) ? Cpp : C;
        mergeInto(family, family == Cpp ? C : Cpp, scores, scan);
    }
}

// A line or two of code amid sentences is a snippet quoted in a note or a man page,
// not the file's language. Documents are made of sentences and may quote code.
constexpr Language DocumentLanguages[] = {Markdown, ReStructuredText, AsciiDoc, Org, TeX, Troff, Html, Pod};
constexpr int MaxQuotedLines = 2;
constexpr int MinProseLines = 4;

bool onlyQuotesCode(const LineScan &scan, size_t language)
{
    const int lines = scan.evidenceLines[language];
    const bool document = std::find(std::begin(DocumentLanguages), std::end(DocumentLanguages), language) !=
                          std::end(DocumentLanguages);
    return !document && lines > 0 && lines <= MaxQuotedLines && scan.proseLines() >= MinProseLines &&
           scan.proseLines() >= 2 * scan.codeLines();
}

constexpr size_t NotInBracketComment = std::string_view::npos;

// CMake's bracket comments, "#[[" or "#[==[": the number of '=' that the closing
// bracket repeats.
size_t bracketCommentLevel(std::string_view line)
{
    if (!line.starts_with("#["))
        return NotInBracketComment;
    const size_t level = std::min(line.find_first_not_of('=', 2), line.size()) - 2;
    if (2 + level >= line.size() || line[2 + level] != '[')
        return NotInBracketComment;
    return level;
}

bool closesBracketComment(std::string_view line, size_t level)
{
    for (size_t at = line.find(']'); at != std::string_view::npos; at = line.find(']', at + 1)) {
        const size_t equals = std::min(line.find_first_not_of('=', at + 1), line.size()) - at - 1;
        if (equals == level && at + 1 + level < line.size() && line[at + 1 + level] == ']')
            return true;
    }
    return false;
}

// The closing quotes of a docstring that the line opens and leaves open, or nothing.
std::string_view openedDocstring(std::string_view line)
{
    for (std::string_view quotes : {std::string_view("\"\"\""), std::string_view("'''")}) {
        const size_t open = line.starts_with('r') || line.starts_with('u') ? 1 : 0;
        if (startsWith(line.substr(open), quotes) && line.find(quotes, open + 3) == std::string_view::npos)
            return quotes;
    }
    return {};
}

// Static site generators put "key: value" front matter between two "---" lines at the top
// of a Markdown page. The page after it, or nothing when there is no such block.
std::optional<std::string_view> pageAfterFrontMatter(std::string_view text)
{
    constexpr size_t MaxFrontMatter = 2048;
    if (!text.starts_with("---\n") && !text.starts_with("---\r\n"))
        return std::nullopt;
    size_t at = text.find('\n') + 1;
    while (at < std::min(text.size(), MaxFrontMatter)) {
        const size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        at = end + 1;
        if (line == "---") {
            // A second YAML document follows a "---" as well; a page begins with prose or a heading.
            const std::string_view page = text.substr(std::min(at, text.size()));
            const size_t first = page.find_first_not_of(" \t\r\n");
            if (first == std::string_view::npos)
                return std::nullopt;
            const std::string_view opening = page.substr(first, page.find('\n', first) - first);
            const bool yamlAgain = opening.starts_with("- ") || opening.starts_with("---") ||
                                   opening.find(": ") != std::string_view::npos || opening.ends_with(':');
            return yamlAgain ? std::nullopt : std::optional(page);
        }
        const bool setting = line.empty() || line.front() == ' ' || line.front() == '-' || line.front() == '#' ||
                             line.find(':') != std::string_view::npos;
        if (!setting)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

LanguageGuess guessLanguage(std::string_view text)
{
    text = text.substr(0, ModelWindow);
    // An editor's modeline is the file's own word on its language; a file name in the
    // first comment may name the file it was made from instead.
    if (const auto declared = modelineType(text); !declared.empty())
        return {declared, true};
    if (const auto named = namedInFirstComment(text); !named.empty())
        return {named, false};
    // Perl documentation on its own opens with a POD command; a module opens with code.
    const size_t firstContent = text.find_first_not_of(" \t\r\n");
    if (firstContent != std::string_view::npos && text[firstContent] == '=' && firstContent + 1 < text.size() &&
        text[firstContent + 1] >= 'a' && text[firstContent + 1] <= 'z')
        return {LanguageTypes[Pod], false};
    LineScan scan;
    if (const auto page = pageAfterFrontMatter(text)) {
        scan.scores[Markdown] += 6;
        text = *page;
    }
    const std::string_view window = text;
    bool inFence = false;
    bool inComment = false;
    size_t bracketLevel = NotInBracketComment;
    std::string_view docstringCloser;
    bool inLiteralBlock = false;
    bool onlyCommentsSoFar = true;
    bool fenced = false;
    while (!text.empty() && scan.lines() < MaxLines) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool indentedWithTab = line.starts_with('\t');
        const bool indented = indentedWithTab || line.starts_with(' ');
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty())
            continue;
        // Code quoted in a Markdown document says nothing about the document.
        if (line.starts_with("```")) {
            inFence = !inFence;
            fenced = true;
            scan.scores[Markdown] += 3;
            continue;
        }
        // So do notes inside a multi-line HTML comment (Node's documentation keeps YAML there).
        if (inComment || (line.starts_with("<!--") && line.find("-->") == std::string_view::npos)) {
            inComment = line.find("-->") == std::string_view::npos;
            continue;
        }
        // CMake modules keep their reStructuredText documentation in a bracket comment.
        if (bracketLevel != NotInBracketComment) {
            if (closesBracketComment(line, bracketLevel))
                bracketLevel = NotInBracketComment;
            continue;
        }
        if (const size_t level = bracketCommentLevel(line); level != NotInBracketComment) {
            scan.scores[CMake] += 10;
            if (!closesBracketComment(line.substr(3 + level), level))
                bracketLevel = level;
            continue;
        }
        // Python docstrings are prose about the code, often written in reStructuredText.
        if (!docstringCloser.empty()) {
            if (line.find(docstringCloser) != std::string_view::npos)
                docstringCloser = {};
            continue;
        }
        // A module that opens with its docstring (after the comment header) is Python's.
        if (const std::string_view closer = openedDocstring(line); !closer.empty()) {
            scan.scores[Python] += onlyCommentsSoFar ? 6 : 3;
            docstringCloser = closer;
            fenced = true;
            continue;
        }
        onlyCommentsSoFar = onlyCommentsSoFar && line.front() == '#';
        // reStructuredText quotes code in literal blocks, indented after a line ending "::",
        // and in directives such as ".. code-block:: cmake".
        if (inLiteralBlock && indented)
            continue;
        inLiteralBlock = (line.ends_with("::") && line.size() > 2) ||
                         (line.starts_with(".. ") && line.find(":: ") != std::string_view::npos);
        if (inLiteralBlock)
            scan.scores[ReStructuredText] += 2;
        if (!inFence)
            scan.take(line, indented, indentedWithTab, text.starts_with('\n') || text.starts_with("\r\n"));
    }
    scan.finish();
    std::array<int, LanguageCount> &scores = scan.scores;
    // Words anywhere in the window would include the code a document quotes, or the
    // markup of a docstring.
    if (!fenced && !confident(rank(scores)))
        scoreWords(window, scores);
    mergeFamilies(scores, scan, window);
    const Ranking ranking = rank(scores);
    if (!confident(ranking) || onlyQuotesCode(scan, ranking.language))
        return {};
    return {LanguageTypes[ranking.language], clearlyAhead(ranking)};
}

std::string_view guessTable(std::string_view text, bool complete)
{
    constexpr int MinRows = 3;
    constexpr int MaxRows = 40;
    for (const char separator : {',', '\t', ';'}) {
        std::string_view rest = text.substr(0, ModelWindow);
        int rows = 0;
        int fields = -1;
        int spaced = 0; // separators followed by a blank, as commas in sentences are
        int separators = 0;
        int blanks = 0; // outside quotes: many more than separators make a log, not a table
        bool consistent = true;
        while (!rest.empty() && rows < MaxRows && consistent) {
            const size_t end = rest.find('\n');
            if (end == std::string_view::npos && !complete)
                break; // the last line may be cut short
            std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (line.empty())
                continue;
            int count = 0;
            bool quoted = false;
            for (size_t at = 0; at < line.size(); ++at) {
                if (line[at] == '"') {
                    quoted = !quoted;
                } else if (line[at] == separator && !quoted) {
                    ++count;
                    spaced += at + 1 < line.size() && line[at + 1] == ' ';
                } else if (line[at] == ' ' && !quoted) {
                    ++blanks;
                }
            }
            separators += count;
            if (fields < 0)
                fields = count;
            consistent = count == fields && count > 0;
            ++rows;
        }
        const bool prose = separator != '\t' && (spaced * 2 > separators || blanks > 2 * separators);
        if (consistent && rows >= MinRows && fields > 0 && !prose)
            return separator == '\t' ? "tsv" : "csv";
    }
    return {};
}

} // namespace tivex
